// Showing a window modally: its owner is disabled and a local message loop
// runs until the window is destroyed. The owner is enabled again before the
// window goes, so activation returns to it rather than to another program.
#pragma once

#include "platform/win.h"

namespace mainwindow {

// Runs until `window` no longer exists. A WM_QUIT met here ends the loop and
// is posted again for the outer loop.
void RunModal(HWND window, HWND owner);

// What a modal window calls instead of DestroyWindow: re-enables the owner,
// then destroys the window.
void EndModal(HWND window);

}  // namespace mainwindow
