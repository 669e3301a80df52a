#include "mainwindow/frmmaincode.h"

namespace mainwindow {

FrmMainCode::FrmMainCode(const Program& program) : program_(program) {}

FrmMainCode::~FrmMainCode() = default;

bool FrmMainCode::Load() {
  CreateArgs args;
  args.className = "MurvaneFrmMainCode";
  args.caption = kMainCaption;
  args.style = WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX & ~WS_THICKFRAME;
  args.width = 720;
  args.height = 520;
  return Create(args);
}

void FrmMainCode::Show() {
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  SetForegroundWindow(hwnd());
}

LRESULT FrmMainCode::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mainwindow
