// A small helper that scripts/screenshots.sh runs beside Murvane, in the same
// Wine desktop, to put the program's windows into the states worth a picture:
// it finds windows by class and sends them the messages a user's clicks would.
//
//   screenshot-driver wait <class> [seconds]       until a visible window exists
//   screenshot-driver gone <class> [seconds]       until no such window exists
//   screenshot-driver rect <class>...              prints WxH+X+Y around the windows
//   screenshot-driver click <class> <control id>   presses a button
//   screenshot-driver hover <class> <control id>   mouse movement over a control
//   screenshot-driver command <class> <id>         a menu command
//   screenshot-driver post <class> <msg> <w> <l>   any message
//   screenshot-driver cursor <x> <y>               moves the mouse pointer
//   screenshot-driver point <class> <control id>   moves it onto a control
//   screenshot-driver key <virtual key>            presses and releases a key
//   screenshot-driver ok                           OK on the open message box
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND FindVisible(const char* className) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND FindAny(const char* className) {
  return FindWindowExA(nullptr, nullptr, className, nullptr);
}

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  if (GetDlgCtrlID(child) == search->id) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

HWND FindControl(HWND window, int id) {
  Search search{id, nullptr};
  EnumChildWindows(window, &MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool WaitFor(const char* className, double seconds, bool present) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  do {
    if ((FindVisible(className) != nullptr) == present) return true;
    Sleep(100);
  } while (GetTickCount64() < end);
  return false;
}

long Number(const char* text) {
  return std::strtol(text, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string verb = argv[1];
  if (verb == "wait" && argc >= 3)
    return WaitFor(argv[2], argc > 3 ? atof(argv[3]) : 20, true) ? 0 : 1;
  if (verb == "gone" && argc >= 3)
    return WaitFor(argv[2], argc > 3 ? atof(argv[3]) : 20, false) ? 0 : 1;
  if (verb == "cursor" && argc == 4) return SetCursorPos(Number(argv[2]), Number(argv[3])) ? 0 : 1;
  if (verb == "key" && argc == 3) {
    const BYTE key = static_cast<BYTE>(Number(argv[2]));
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    return 0;
  }
  if (verb == "ok") {
    HWND box = FindVisible("#32770");
    if (!box) return 1;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  if (verb == "rect" && argc >= 3) {
    // The rectangle around every visible window of the classes named.
    RECT all{};
    bool any = false;
    for (int i = 2; i < argc; ++i) {
      HWND window = FindVisible(argv[i]);
      if (!window) continue;
      RECT r;
      GetWindowRect(window, &r);
      if (any) {
        UnionRect(&all, &all, &r);
      } else {
        all = r;
        any = true;
      }
    }
    if (!any) return 1;
    std::printf("%ldx%ld+%ld+%ld\n", all.right - all.left, all.bottom - all.top, all.left, all.top);
    return 0;
  }
  if (argc < 3) return 2;
  HWND window = FindVisible(argv[2]);
  if (!window) window = FindAny(argv[2]);
  if (!window) {
    std::fprintf(stderr, "no window of class %s\n", argv[2]);
    return 1;
  }
  if (verb == "click" && argc == 4) {
    HWND control = FindControl(window, Number(argv[3]));
    if (!control) return 1;
    PostMessageA(control, BM_CLICK, 0, 0);
    return 0;
  }
  if (verb == "hover" && argc == 4) {
    HWND control = FindControl(window, Number(argv[3]));
    if (!control) return 1;
    PostMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    return 0;
  }
  if (verb == "point" && argc == 4) {
    HWND control = FindControl(window, Number(argv[3]));
    if (!control) return 1;
    RECT r;
    GetWindowRect(control, &r);
    return SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2) ? 0 : 1;
  }
  if (verb == "command" && argc == 4) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(Number(argv[3]), 0), 0);
    return 0;
  }
  if (verb == "post" && argc == 6) {
    PostMessageA(window, static_cast<UINT>(Number(argv[3])), static_cast<WPARAM>(Number(argv[4])),
                 static_cast<LPARAM>(Number(argv[5])));
    return 0;
  }
  return 2;
}
