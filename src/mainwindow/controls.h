// The two kinds of container the program's windows are built from, besides
// the platform's standard controls:
//  - a panel (the designer's frames and picture boxes): a child window painted
//    in its skin part, optionally with a captioned frame line, that hands
//    commands, notifications and colour requests of its children up to its
//    parent, so the top-level window sees every control's events;
//  - a picture (the designer's images): a child window drawn by a function,
//    with an optional single-line border, that reports clicks and mouse
//    movement to its parent as WM_COMMAND notifications.
#pragma once

#include <functional>
#include <string>

#include "mainwindow/skin.h"
#include "platform/win.h"

namespace mainwindow {

// Notification codes in HIWORD(wParam) of WM_COMMAND; the control's id is in
// LOWORD(wParam) and its handle in lParam. A click is STN_CLICKED (0).
inline constexpr WORD kMouseMoveNotification = 0x0A01;

// `caption` not empty: a frame line with the caption at the top left.
HWND CreatePanel(HWND parent, int id, SkinPart part, const std::string& caption, int x, int y,
                 int width, int height);

// Draws a picture into `area` of `dc`; `window` is the picture (for its skin).
using PictureDraw = std::function<void(HDC dc, const RECT& area, HWND window)>;

// `clickable`: the hand pointer over it.
HWND CreatePicture(HWND parent, int id, PictureDraw draw, bool clickable, int x, int y, int width,
                   int height);

void SetPictureBorder(HWND picture, bool bordered);
bool HasPictureBorder(HWND picture);

}  // namespace mainwindow
