// murvane.exe: the desktop program.
#include "platform/win.h"

#include <commctrl.h>

#include "mainwindow/frmmaincode.h"
#include "mainwindow/program.h"
#include "mainwindow/startup.h"
#include "platform/process.h"
#include "platform/pump.h"
#include "platform/text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  mainwindow::Program program;
  program.folder = platform::ExecutableFolder();
  program.commandLine = platform::TrimSpaces(commandLine ? commandLine : "");

  Normal::Started started = Normal::Main(program);
  if (started.main) platform::SetAccelerators(started.main->hwnd(), started.main->accelerators());
  return platform::RunMessageLoop();
}
