#include "mainwindow/modal.h"

namespace mainwindow {

void RunModal(HWND window, HWND owner) {
  if (!IsWindow(window)) return;
  const bool disableOwner = owner && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);

  MSG msg;
  while (IsWindow(window)) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (IsDialogMessageA(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (disableOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
}

void EndModal(HWND window) {
  if (HWND owner = GetWindow(window, GW_OWNER)) EnableWindow(owner, TRUE);
  DestroyWindow(window);
}

}  // namespace mainwindow
