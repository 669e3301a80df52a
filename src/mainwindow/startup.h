// The start-up procedure: keeps the command line and shows the start window,
// which loads the main window and shows it two seconds later.
#pragma once

#include <memory>

#include "mainwindow/program.h"

namespace mainwindow {
class Frmsplash;
class FrmMainCode;
}  // namespace mainwindow

namespace Normal {

// The windows of a running program. Main returns them so the caller owns
// their lifetime (WinMain keeps them until the message loop ends).
struct Started {
  Started();
  Started(Started&&) noexcept;
  Started& operator=(Started&&) noexcept;
  ~Started();

  std::unique_ptr<mainwindow::FrmMainCode> main;
  std::unique_ptr<mainwindow::Frmsplash> splash;
};

Started Main(const mainwindow::Program& program);

}  // namespace Normal
