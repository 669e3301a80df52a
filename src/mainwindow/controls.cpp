#include "mainwindow/controls.h"

#include <memory>

#include "platform/window.h"

namespace mainwindow {
namespace {

constexpr const char* kPanelClass = "MurvanePanel";
constexpr const char* kPictureClass = "MurvanePicture";

struct PanelData {
  std::string caption;
};

struct PictureData {
  PictureDraw draw;
  bool clickable = false;
  bool bordered = false;
};

template <typename Data>
Data* DataOf(HWND window) {
  return reinterpret_cast<Data*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

template <typename Data>
void Attach(HWND window, LPARAM createParam) {
  auto* create = reinterpret_cast<CREATESTRUCTA*>(createParam);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

template <typename Data>
void Detach(HWND window) {
  std::unique_ptr<Data> owned(DataOf<Data>(window));
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

void NotifyParent(HWND window, WORD code) {
  const int id = GetDlgCtrlID(window);
  SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, code),
               reinterpret_cast<LPARAM>(window));
}

void PaintPanel(HWND window, const PanelData& data) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (!data.caption.empty()) {
    RECT client;
    GetClientRect(window, &client);
    HGDIOBJ oldFont = SelectObject(dc, platform::UiFontBold());
    SIZE text{};
    GetTextExtentPoint32A(dc, data.caption.c_str(), static_cast<int>(data.caption.size()), &text);
    RECT frame = client;
    frame.top += text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const SkinPart part = GetSkinPart(window);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, SkinColour(window, part));
    SetTextColor(
        dc, SkinColour(window, part == SkinPart::NavBar ? SkinPart::NavText : SkinPart::Accent));
    const std::string padded = " " + data.caption + " ";
    TextOutA(dc, 8, 0, padded.c_str(), static_cast<int>(padded.size()));
    SelectObject(dc, oldFont);
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      Attach<PanelData>(window, lParam);
      break;
    case WM_NCDESTROY:
      Detach<PanelData>(window);
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, SkinBrush(window, GetSkinPart(window)));
      return 1;
    }
    case WM_PAINT:
      if (const PanelData* data = DataOf<PanelData>(window)) {
        PaintPanel(window, *data);
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      NotifyParent(window, kMouseMoveNotification);
      return 0;
    // What the children say goes up to the window that owns their handlers.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return SendMessageA(GetParent(window), message, wParam, lParam);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      Attach<PictureData>(window, lParam);
      break;
    case WM_NCDESTROY:
      Detach<PictureData>(window);
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      const HWND parent = GetParent(window);
      const SkinPart background = parent ? GetSkinPart(parent) : SkinPart::Face;
      FillRect(dc, &client, SkinBrush(window, background));
      const PictureData* data = DataOf<PictureData>(window);
      if (data && data->draw) {
        try {
          data->draw(dc, client, window);
        } catch (...) {
          // A picture that fails to draw leaves its background.
        }
      }
      if (data && data->bordered) {
        const SkinPart line = background == SkinPart::NavBar ? SkinPart::NavText : SkinPart::Text;
        HBRUSH brush = CreateSolidBrush(SkinColour(window, line));
        FrameRect(dc, &client, brush);
        DeleteObject(brush);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (const PictureData* data = DataOf<PictureData>(window); data && data->clickable) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      NotifyParent(window, kMouseMoveNotification);
      return 0;
    case WM_LBUTTONUP:
      NotifyParent(window, STN_CLICKED);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterOnce(const char* name, WNDPROC procedure) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &existing)) return;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

}  // namespace

HWND CreatePanel(HWND parent, int id, SkinPart part, const std::string& caption, int x, int y,
                 int width, int height) {
  RegisterOnce(kPanelClass, &PanelProc);
  auto data = std::make_unique<PanelData>();
  data->caption = caption;
  HWND panel = CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, caption.c_str(),
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, width, height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), data.get());
  if (!panel) return nullptr;
  data.release();  // the window owns it now and frees it at WM_NCDESTROY
  SetSkinPart(panel, part);
  return panel;
}

HWND CreatePicture(HWND parent, int id, PictureDraw draw, bool clickable, int x, int y, int width,
                   int height) {
  RegisterOnce(kPictureClass, &PictureProc);
  auto data = std::make_unique<PictureData>();
  data->draw = std::move(draw);
  data->clickable = clickable;
  HWND picture = CreateWindowExA(0, kPictureClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), data.get());
  if (!picture) return nullptr;
  data.release();
  return picture;
}

void SetPictureBorder(HWND picture, bool bordered) {
  PictureData* data = DataOf<PictureData>(picture);
  if (!data || data->bordered == bordered) return;
  data->bordered = bordered;
  InvalidateRect(picture, nullptr, FALSE);
}

bool HasPictureBorder(HWND picture) {
  const PictureData* data = DataOf<PictureData>(picture);
  return data && data->bordered;
}

}  // namespace mainwindow
