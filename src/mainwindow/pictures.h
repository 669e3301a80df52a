// The program's pictures, drawn with GDI so they follow the skin's colours:
// the navigation images, the help and feature pictures of the welcome panel,
// the banner and the product mark.
#pragma once

#include "platform/win.h"

namespace mainwindow {

enum class Picture {
  Main,          // a house
  Settings,      // a ticked list
  CleanNow,      // a broom with sparkles
  SearchErase,   // a magnifier
  Options,       // sliders
  FileShredder,  // a sheet going through a shredder
  Registry,      // stacked blocks
  Exit,          // a power symbol
  Help,          // a question mark in a disc
  Shield,        // a shield with a tick (the product mark)
  Schedule,      // a clock
};

// Draws `picture` centred in `area` at the largest square that fits, in
// `ink` with details in `accent`, on a background already painted `paper`.
void DrawPicture(HDC dc, const RECT& area, Picture picture, COLORREF ink, COLORREF accent,
                 COLORREF paper);

// The banner: a band in `accent` shading darker to the right, the product
// mark, the product name and a line under it, in `text`.
void DrawBanner(HDC dc, const RECT& area, COLORREF accent, COLORREF text);

}  // namespace mainwindow
