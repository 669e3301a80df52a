#include "mainwindow/tray.h"

#include <shellapi.h>

#include <cstring>

#include "mainwindow/program.h"

namespace mainwindow {
namespace {

// The 8-bit record in its first form (88 bytes in a 32-bit program, more in
// a 64-bit one): the fields the icon needs and nothing a shell of any age
// could misread.
NOTIFYICONDATAA Record(HWND window, HICON icon) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon;
  std::strncpy(data.szTip, kAppTitle, 63);
  return data;
}

}  // namespace

bool TrayIcon::Add(HWND window, HICON icon) {
  window_ = window;
  icon_ = icon;
  NOTIFYICONDATAA data = Record(window, icon);
  shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
  return shown_;
}

void TrayIcon::Remove() {
  if (!window_) return;
  NOTIFYICONDATAA data = Record(window_, icon_);
  Shell_NotifyIconA(NIM_DELETE, &data);
  shown_ = false;
}

UINT TrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

}  // namespace mainwindow
