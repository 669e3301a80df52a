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
  mainwindow::Frmsplash* splash = started.splash.get();
  main->SetHooks({[splash] { splash->Unload(); },
                  // The exit procedure ends the program at once, also from
                  // inside a pass or a modal window: no further handler runs.
                  [] { ExitProcess(0); }});
  started.splash->Load();
  return started;
}

}  // namespace Normal
