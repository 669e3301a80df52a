// Frmsplash: the start window. It loads the main window hidden, waits two
// seconds, then shows the main window and closes itself.
#pragma once

#include <functional>

#include "mainwindow/program.h"
#include "mainwindow/skin.h"
#include "platform/window.h"

namespace mainwindow {

inline constexpr const char* kSplashCaption = "Murvane";
inline constexpr UINT kSplashDelayMs = 2000;

class Frmsplash : public platform::Window {
 public:
  struct Hooks {
    std::function<void()> loadMain;  // load the main window without showing it
    std::function<void()> showMain;  // at the timer's tick
  };

  Frmsplash(const Program& program, Hooks hooks);
  ~Frmsplash() override;

  bool Load();  // creates and shows the start window, starts Timer1
  void Unload();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Timer1_Timer();
  void Paint();

  Program program_;
  Hooks hooks_;
  Skin skin1_;  // Skin1
};

}  // namespace mainwindow
