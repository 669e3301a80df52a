// Letting the message loop run from inside long work on the user-interface
// thread, so windows repaint and timers, menus and hot keys are handled while
// a cleaning pass or a file walk is under way.
//
// Handlers that run from here can start more work; callers that must not be
// entered twice guard themselves (the cleaning pass does).
#pragma once

#include "platform/win.h"

namespace platform {

// Keyboard shortcuts of a window, translated by every loop here (the plain
// loop and DoEvents alike) for messages to that window or its children.
// nullptr table: none. One window per thread: the program has one menu bar.
void SetAccelerators(HWND window, HACCEL table);

// Dispatches every message now waiting for this thread, then returns. A
// WM_QUIT met here is posted again so the outer loop still ends.
void DoEvents();

// DoEvents, but at most once every 10 ms. Walks call this per file: a message
// check per file costs more than deleting the file, while a window that
// answers within 10 ms is as responsive as one that answers at once.
void YieldToMessages();

// The plain message loop of the program: runs until WM_QUIT and returns its
// exit code.
int RunMessageLoop();

}  // namespace platform
