// A main window loaded over a scratch program folder, with the ways out of
// the window (start window, end of the program) recorded instead of taken.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mainwindow/frmmaincode.h"
#include "support/scratch.h"

namespace mainwindow_tests {

using Ctl = mainwindow::FrmMainCode::Ctl;
using Cmd = mainwindow::FrmMainCode::Cmd;

struct Row {
  std::string item;
  std::string status;
  bool operator==(const Row&) const = default;
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  std::string SettingsFile() const { return folder_ / "prisd.dat"; }
  void WriteSettings(const std::string& text) const;
  std::string ReadOption(const std::string& key) const;

  // Loads the main window (hidden), as the start window does.
  mainwindow::FrmMainCode& Load(const std::string& commandLine = "");

  mainwindow::FrmMainCode& main() { return *main_; }
  HWND Control(Ctl control) const { return main_->Control(control); }
  std::string Text(Ctl control) const;
  // The control's own visibility flag, whatever its parents show.
  bool Shown(Ctl control) const;

  LRESULT Command(Cmd command);
  void ClickPicture(Ctl picture);
  void ClickButton(Ctl button);
  void MouseOver(Ctl control);
  void TrayCallback(int mouseMessage);

  std::vector<Row> Rows() const;

  const testing_support::ScratchFolder& folder() const { return folder_; }
  int programEnded() const { return programEnded_; }
  int splashUnloaded() const { return splashUnloaded_; }

 private:
  testing_support::ScratchFolder folder_;
  std::unique_ptr<mainwindow::FrmMainCode> main_;
  int programEnded_ = 0;
  int splashUnloaded_ = 0;
};

// The settings file text with every track of the catalogue set to "0", and
// `extra` lines appended.
std::string AllTracksOff(const std::string& extra = "");

}  // namespace mainwindow_tests
