#include "platform/window.h"

#include <map>
#include <set>
#include <vector>

namespace platform {

Window::~Window() {
  if (hwnd_) {
    // The object goes first: detach it so late messages see no object.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::Create(const CreateArgs& args) {
  static std::set<std::string> registered;
  if (!registered.count(args.className)) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = args.icon ? args.icon : LoadIconA(GetModuleHandleA(nullptr), "APPICON");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground =
        args.background ? args.background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = args.className;
    if (!RegisterClassExA(&windowClass)) return false;
    registered.insert(args.className);
  }
  CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.x, args.y,
                  args.width, args.height, args.parent, args.menu, GetModuleHandleA(nullptr), this);
  return hwnd_ != nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);

  LRESULT result = 0;
  try {
    result = self->OnMessage(message, wParam, lParam);
  } catch (...) {
    result = DefWindowProcA(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    try {
      self->OnDestroyed();
    } catch (...) {
    }
  }
  return result;
}

HFONT UiFontSized(int pointSize, bool bold) {
  static std::map<std::pair<int, bool>, HFONT> fonts;
  const auto key = std::make_pair(pointSize, bold);
  if (auto found = fonts.find(key); found != fonts.end()) return found->second;
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTA font = metrics.lfMessageFont;
  if (pointSize > 0) {
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
  }
  if (bold) font.lfWeight = FW_BOLD;
  HFONT handle = CreateFontIndirectA(&font);
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts[key] = handle;
  return handle;
}

HFONT UiFont() {
  return UiFontSized(0, false);
}
HFONT UiFontBold() {
  return UiFontSized(0, true);
}

HWND CreateControl(HWND parent, const char* className, const std::string& text, DWORD style, int x,
                   int y, int width, int height, int id, DWORD exStyle) {
  HWND control = CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD, x, y, width,
                                 height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
  return control;
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

POINT CenteredIn(const RECT& area, SIZE size) {
  return POINT{area.left + ((area.right - area.left) - size.cx) / 2,
               area.top + ((area.bottom - area.top) - size.cy) / 2};
}

SIZE OuterSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu) {
  RECT rect{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, exStyle);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

std::string GetText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data());
}

}  // namespace platform
