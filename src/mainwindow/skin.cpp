#include "mainwindow/skin.h"

#include <commctrl.h>

#include <cctype>
#include <cstdlib>

#include "primitives/inifun.h"

namespace mainwindow {
namespace {

constexpr const char* kSection = "Skin";
constexpr const char* kPartKeys[kSkinPartCount] = {"Face",       "Panel",  "Text",   "Accent",
                                                   "AccentText", "NavBar", "NavText"};
constexpr int kPartSystemColours[kSkinPartCount] = {
    COLOR_BTNFACE,       COLOR_BTNFACE,   COLOR_BTNTEXT,      COLOR_HIGHLIGHT,
    COLOR_HIGHLIGHTTEXT, COLOR_BTNSHADOW, COLOR_HIGHLIGHTTEXT};
constexpr UINT_PTR kSubclassId = 0x5349;  // one subclass per window, whatever the skin
constexpr const char* kPartProperty = "MurvaneSkinPart";
constexpr const char* kTextPartProperty = "MurvaneSkinTextPart";

int Index(SkinPart part) {
  return static_cast<int>(part);
}

// Asked of a top-level window by its panels and pictures. wParam: the part;
// lParam 0 asks for the colour (answered plus one, so 0 means "no skin
// here"), lParam 1 for the brush.
UINT SkinQueryMessage() {
  static const UINT message = RegisterWindowMessageA("MurvaneSkinQuery");
  return message;
}

// Properties hold the part plus one, so "no property" (0) stays apart from
// the first part.
void SetPartProperty(HWND window, const char* name, SkinPart part) {
  SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(Index(part) + 1)));
}

bool GetPartProperty(HWND window, const char* name, SkinPart* part) {
  const INT_PTR value = reinterpret_cast<INT_PTR>(GetPropA(window, name));
  if (value < 1 || value > kSkinPartCount) return false;
  *part = static_cast<SkinPart>(value - 1);
  return true;
}

SkinPart TextPartOn(SkinPart background) {
  switch (background) {
    case SkinPart::Accent:
      return SkinPart::AccentText;
    case SkinPart::NavBar:
      return SkinPart::NavText;
    default:
      return SkinPart::Text;
  }
}

// The part a control stands on: its parent's part, the face for the top level.
SkinPart BackgroundOf(HWND control, HWND root) {
  const HWND parent = GetParent(control);
  if (!parent || parent == root) return SkinPart::Face;
  return GetSkinPart(parent);
}

LRESULT CtlColor(const Skin& skin, HWND root, HDC dc, HWND control) {
  const SkinPart background = BackgroundOf(control, root);
  SkinPart text = TextPartOn(background);
  SkinPart own;
  if (GetPartProperty(control, kTextPartProperty, &own)) text = own;
  SetTextColor(dc, skin.Colour(text));
  SetBkColor(dc, skin.Colour(background));
  return reinterpret_cast<LRESULT>(skin.Brush(background));
}

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
  const Skin& skin = *reinterpret_cast<const Skin*>(data);
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, skin.Brush(SkinPart::Face));
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return CtlColor(skin, window, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &SkinProc, kSubclassId);
      break;
    default:
      if (message == SkinQueryMessage() && wParam < static_cast<WPARAM>(kSkinPartCount)) {
        const auto part = static_cast<SkinPart>(wParam);
        if (lParam == 1) return reinterpret_cast<LRESULT>(skin.Brush(part));
        return static_cast<LRESULT>(skin.Colour(part)) + 1;
      }
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

bool IsClass(HWND window, const char* name) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof(className));
  return lstrcmpiA(className, name) == 0;
}

struct RecolourArgs {
  const Skin* skin;
  HWND root;
};

BOOL CALLBACK RecolourControl(HWND control, LPARAM lParam) {
  const auto& args = *reinterpret_cast<const RecolourArgs*>(lParam);
  const SkinPart background = BackgroundOf(control, args.root);
  if (IsClass(control, WC_LISTVIEWA)) {
    const COLORREF back =
        args.skin->loaded() ? args.skin->Colour(SkinPart::Panel) : GetSysColor(COLOR_WINDOW);
    const COLORREF text =
        args.skin->loaded() ? args.skin->Colour(SkinPart::Text) : GetSysColor(COLOR_WINDOWTEXT);
    SendMessageA(control, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
    SendMessageA(control, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
    SendMessageA(control, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
  } else if (IsClass(control, PROGRESS_CLASSA)) {
    const bool skinned = args.skin->loaded();
    SendMessageA(control, PBM_SETBARCOLOR, 0,
                 static_cast<LPARAM>(skinned ? args.skin->Colour(SkinPart::Accent) : CLR_DEFAULT));
    SendMessageA(control, PBM_SETBKCOLOR, 0,
                 static_cast<LPARAM>(skinned ? args.skin->Colour(background) : CLR_DEFAULT));
  }
  return TRUE;
}

}  // namespace

Skin::~Skin() {
  ResetBrushes();
}

std::string Skin::FilePath(const std::string& programFolder) {
  return programFolder + "\\skins\\frmmain.skn";
}

COLORREF Skin::DefaultColour(SkinPart part) {
  return GetSysColor(kPartSystemColours[Index(part)]);
}

void Skin::Load(const std::string& programFolder) {
  LoadFile(FilePath(programFolder));
}

void Skin::LoadFile(const std::string& path) {
  ResetBrushes();
  loaded_ = false;
  fromFile_ = {};
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  loaded_ = true;
  for (int i = 0; i < kSkinPartCount; ++i) {
    COLORREF colour;
    if (ParseSkinColour(Inifun::ReadIniValue(path, kSection, kPartKeys[i]), &colour)) {
      colours_[i] = colour;
      fromFile_[i] = true;
    }
  }
}

COLORREF Skin::Colour(SkinPart part) const {
  const int i = Index(part);
  return fromFile_[i] ? colours_[i] : DefaultColour(part);
}

HBRUSH Skin::Brush(SkinPart part) const {
  const int i = Index(part);
  if (!fromFile_[i]) return GetSysColorBrush(kPartSystemColours[i]);
  if (!brushes_[i]) brushes_[i] = CreateSolidBrush(colours_[i]);
  return brushes_[i];
}

void Skin::ResetBrushes() const {
  for (HBRUSH& brush : brushes_) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
}

void Skin::Apply(HWND window) const {
  if (!window || !IsWindow(window)) return;
  SetWindowSubclass(window, &SkinProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  RecolourArgs args{this, window};
  EnumChildWindows(window, &RecolourControl, reinterpret_cast<LPARAM>(&args));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool ParseSkinColour(const std::string& text, COLORREF* colour) {
  if (text.size() != 7 || text[0] != '#') return false;
  for (size_t i = 1; i < text.size(); ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  const unsigned long rgb = std::strtoul(text.c_str() + 1, nullptr, 16);
  *colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  return true;
}

void SetSkinPart(HWND window, SkinPart part) {
  SetPartProperty(window, kPartProperty, part);
}

SkinPart GetSkinPart(HWND window) {
  SkinPart part = SkinPart::Face;
  GetPartProperty(window, kPartProperty, &part);
  return part;
}

void SetSkinTextPart(HWND control, SkinPart part) {
  SetPartProperty(control, kTextPartProperty, part);
}

COLORREF SkinColour(HWND window, SkinPart part) {
  const HWND root = GetAncestor(window, GA_ROOT);
  const LRESULT answer =
      root ? SendMessageA(root, SkinQueryMessage(), static_cast<WPARAM>(Index(part)), 0) : 0;
  return answer ? static_cast<COLORREF>(answer - 1) : Skin::DefaultColour(part);
}

HBRUSH SkinBrush(HWND window, SkinPart part) {
  const HWND root = GetAncestor(window, GA_ROOT);
  const LRESULT answer =
      root ? SendMessageA(root, SkinQueryMessage(), static_cast<WPARAM>(Index(part)), 1) : 0;
  return answer ? reinterpret_cast<HBRUSH>(answer)
                : GetSysColorBrush(kPartSystemColours[Index(part)]);
}

}  // namespace mainwindow
