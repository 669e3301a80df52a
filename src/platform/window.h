// A thin base for the program's windows. The object is bound to its window
// once, at WM_NCCREATE, and every message goes to OnMessage. No exception
// leaves a window procedure: a handler that throws is treated as having done
// nothing and the message gets its default handling.
#pragma once

#include <string>

#include "platform/win.h"

namespace platform {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  bool IsCreated() const { return hwnd_ != nullptr; }

 protected:
  struct CreateArgs {
    const char* className = nullptr;
    std::string caption;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT, height = CW_USEDEFAULT;  // outer size
    HWND parent = nullptr;
    HMENU menu = nullptr;
    HICON icon = nullptr;
    HBRUSH background = nullptr;  // default: the dialog face colour
  };
  bool Create(const CreateArgs& args);

  // The default handling is DefWindowProcA.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  // Called after WM_NCDESTROY, when the handle is already gone.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// The font the system uses for message boxes, shared by every control.
HFONT UiFont();
HFONT UiFontBold();
HFONT UiFontSized(int pointSize, bool bold);

// A child control with the UI font. Returns its handle (nullptr on failure).
HWND CreateControl(HWND parent, const char* className, const std::string& text, DWORD style, int x,
                   int y, int width, int height, int id, DWORD exStyle = 0);

// The desktop's work area (the screen less the taskbar).
RECT WorkArea();

// The top-left corner that centres a window of `size` in `area`.
POINT CenteredIn(const RECT& area, SIZE size);

// Outer window size for a wanted client size, given the window's styles.
SIZE OuterSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu);

std::string GetText(HWND window);

}  // namespace platform
