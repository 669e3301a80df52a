// frmMainCode: the program's home window. Loaded once at start (hidden), shown
// by the start window, and kept until the exit procedure.
#pragma once

#include "mainwindow/program.h"
#include "platform/window.h"

namespace mainwindow {

class FrmMainCode : public platform::Window {
 public:
  explicit FrmMainCode(const Program& program);
  ~FrmMainCode() override;

  bool Load();  // creates the window without showing it (Form_Load)
  void Show();  // shows it modeless

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Program program_;
};

}  // namespace mainwindow
