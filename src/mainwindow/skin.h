// The skin: the colours every window of the program wears.
//
// A skin file is an INI file ("<program folder>\skins\frmmain.skn") with one
// section [Skin] of colours written as #RRGGBB:
//
//   [Skin]
//   Name=Harbour          ; shown nowhere, for the person editing the file
//   Face=#E9EEF4          ; window background
//   Panel=#FFFFFF         ; panels (welcome, status, statistics)
//   Text=#1D2733          ; text on the face and on panels
//   Accent=#2E6DB4        ; banner, titles, progress bar, links on panels
//   AccentText=#FFFFFF    ; text on the accent colour
//   NavBar=#1F3A5A        ; navigation bar and bottom strip
//   NavText=#E4ECF5       ; text and pictures on the navigation bar
//
// Without the file, or for a colour missing or malformed in it, the window
// keeps the platform's own colour for that part. Neither case shows a message.
//
// Applying the skin to a window subclasses it: the window and its descendant
// panels paint their backgrounds, and their labels and buttons get their
// colours, from the skin's palette. Panels and pictures find the palette by
// asking their top-level window (SkinColour, SkinBrush), so one skin serves a
// window and everything in it. The Skin must outlive every window it is
// applied to.
#pragma once

#include <array>
#include <string>

#include "platform/win.h"

namespace mainwindow {

enum class SkinPart : int {
  Face,
  Panel,
  Text,
  Accent,
  AccentText,
  NavBar,
  NavText,
};
inline constexpr int kSkinPartCount = 7;

class Skin {
 public:
  Skin() = default;
  ~Skin();
  Skin(const Skin&) = delete;
  Skin& operator=(const Skin&) = delete;

  // Reads the skin file of a program folder; the previous colours are dropped
  // first, so a missing file brings back the platform's look.
  void Load(const std::string& programFolder);
  // Reads a skin file by its path.
  void LoadFile(const std::string& path);

  // Whether the last load found a skin file.
  bool loaded() const { return loaded_; }

  COLORREF Colour(SkinPart part) const;
  HBRUSH Brush(SkinPart part) const;

  // Subclasses `window` (a top-level window) so it and its panels wear this
  // skin, recolours its list views and progress bars, and repaints it.
  void Apply(HWND window) const;

  static std::string FilePath(const std::string& programFolder);
  // The platform's colour for a part, used when no skin gives one.
  static COLORREF DefaultColour(SkinPart part);

 private:
  void ResetBrushes() const;

  bool loaded_ = false;
  std::array<COLORREF, kSkinPartCount> colours_{};
  std::array<bool, kSkinPartCount> fromFile_{};
  mutable std::array<HBRUSH, kSkinPartCount> brushes_{};
};

// "#RRGGBB" (case-insensitive hex digits) as a colour; false for anything else.
bool ParseSkinColour(const std::string& text, COLORREF* colour);

// What a child window is painted as. Panels and pictures carry their part as
// a window property; a window without one is the face.
void SetSkinPart(HWND window, SkinPart part);
SkinPart GetSkinPart(HWND window);
// A label or link whose text has its own colour (e.g. a link in the accent
// colour on a panel).
void SetSkinTextPart(HWND control, SkinPart part);

// The colour and brush of a part for any window, asked of its top-level
// window's skin; the platform's look when no skin is applied there.
COLORREF SkinColour(HWND window, SkinPart part);
HBRUSH SkinBrush(HWND window, SkinPart part);

}  // namespace mainwindow
