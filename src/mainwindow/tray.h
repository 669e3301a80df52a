// The program's icon in the notification area. It belongs to the main window:
// added while that window loads, removed by the exit procedure. Mouse events
// on the icon come back to the window as WM_MOUSEMOVE whose x coordinate is
// the mouse message (WM_LBUTTONUP, WM_RBUTTONUP, ...).
//
// Where there is no notification area (no shell running, a headless display)
// adding fails quietly; the window re-adds the icon when a shell announces
// itself with the "TaskbarCreated" message.
#pragma once

#include "platform/win.h"

namespace mainwindow {

inline constexpr UINT kTrayIconId = 1;
inline constexpr UINT kTrayCallbackMessage = WM_MOUSEMOVE;

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Returns whether the shell took the icon.
  bool Add(HWND window, HICON icon);
  // Asks the shell to remove the icon of the last Add, shown or not.
  void Remove();
  bool shown() const { return shown_; }

  // The message a new shell broadcasts; the icon must then be added again.
  static UINT TaskbarCreatedMessage();

 private:
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  bool shown_ = false;
};

}  // namespace mainwindow
