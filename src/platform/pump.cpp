#include "platform/pump.h"

#include "platform/win.h"

namespace platform {
namespace {

struct Accelerators {
  HWND window = nullptr;
  HACCEL table = nullptr;
};

Accelerators& ThreadAccelerators() {
  static thread_local Accelerators accelerators;
  return accelerators;
}

// True when the message was a shortcut and has been sent as a command.
bool TranslateShortcut(MSG& msg) {
  const Accelerators& accelerators = ThreadAccelerators();
  if (!accelerators.table || !IsWindow(accelerators.window)) return false;
  if (msg.hwnd != accelerators.window && !IsChild(accelerators.window, msg.hwnd)) return false;
  return TranslateAcceleratorA(accelerators.window, accelerators.table, &msg) != 0;
}

}  // namespace

void SetAccelerators(HWND window, HACCEL table) {
  ThreadAccelerators() = {window, table};
}

void DoEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (TranslateShortcut(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void YieldToMessages() {
  static thread_local ULONGLONG last = 0;
  const ULONGLONG now = GetTickCount64();
  if (now - last < 10) return;
  last = now;
  DoEvents();
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (TranslateShortcut(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace platform
