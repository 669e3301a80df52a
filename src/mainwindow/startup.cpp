#include "mainwindow/startup.h"

#include "mainwindow/frmmaincode.h"
#include "mainwindow/frmsplash.h"

namespace Normal {

Started::Started() = default;
Started::Started(Started&&) noexcept = default;
Started& Started::operator=(Started&&) noexcept = default;
Started::~Started() = default;

Started Main(const mainwindow::Program& program) {
  Started started;
  started.main = std::make_unique<mainwindow::FrmMainCode>(program);
  mainwindow::FrmMainCode* main = started.main.get();
  started.splash = std::make_unique<mainwindow::Frmsplash>(
      program, mainwindow::Frmsplash::Hooks{[main] { main->Load(); }, [main] { main->Show(); }});
  started.splash->Load();
  return started;
}

}  // namespace Normal
