#include "mainwindow/frmabout.h"

#include <utility>

#include "mainwindow/controls.h"
#include "mainwindow/modal.h"
#include "mainwindow/pictures.h"
#include "primitives/normal.h"

namespace mainwindow {
namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 266;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr const char* kLegalWarning =
    "Warning: what Murvane erases is gone for good and cannot be recovered. The program is "
    "provided as is, without warranty of any kind, and may be copied and passed on only as the "
    "licence agreement allows.";

int Id(Frmabout::Ctl control) {
  return static_cast<int>(control);
}

}  // namespace

Frmabout::Frmabout(const Program& program, Skin& skin, std::function<void()> showMain)
    : program_(program), skin_(skin), showMain_(std::move(showMain)) {}

Frmabout::~Frmabout() {
  Unload();
}

bool Frmabout::Load(HWND owner) {
  owner_ = owner;
  const SIZE outer = platform::OuterSize(kWidth, kHeight, kStyle, WS_EX_DLGMODALFRAME, false);
  RECT area = platform::WorkArea();
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
  const POINT corner = platform::CenteredIn(area, outer);
  CreateArgs args;
  args.className = "MurvaneFrmabout";
  args.caption = kAboutCaption;
  args.style = kStyle;
  args.exStyle = WS_EX_DLGMODALFRAME;
  args.width = outer.cx;
  args.height = outer.cy;
  args.x = corner.x;
  args.y = corner.y;
  args.parent = owner;
  if (!Create(args)) return false;

  const HWND w = hwnd();
  CreatePicture(
      w, Id(Ctl::Picture1),
      [](HDC dc, const RECT& area, HWND self) {
        DrawPicture(dc, area, Picture::Shield, SkinColour(self, SkinPart::Text),
                    SkinColour(self, SkinPart::Accent), SkinColour(self, SkinPart::Face));
      },
      false, 20, 18, 52, 52);
  HWND name = platform::CreateControl(w, "STATIC", kAppTitle, WS_VISIBLE | SS_LEFT, 88, 18, 350, 30,
                                      Id(Ctl::SkinLabel5));
  SendMessageA(name, WM_SETFONT, reinterpret_cast<WPARAM>(platform::UiFontSized(16, true)), FALSE);
  SetSkinTextPart(name, SkinPart::Accent);
  platform::CreateControl(w, "STATIC", kAboutVersion, WS_VISIBLE | SS_LEFT, 90, 52, 350, 16,
                          Id(Ctl::SkinLabel6));
  platform::CreateControl(w, "STATIC", kAboutDescription, WS_VISIBLE | SS_LEFT, 20, 86, 420, 44,
                          Id(Ctl::SkinLabel3));
  platform::CreateControl(w, "STATIC", "", WS_VISIBLE | SS_LEFT, 20, 134, 420, 4,
                          Id(Ctl::SkinLabel1));
  platform::CreateControl(w, "STATIC", "", WS_VISIBLE | SS_ETCHEDHORZ, 20, 140, 420, 2, 0);
  platform::CreateControl(w, "STATIC", kLegalWarning, WS_VISIBLE | SS_LEFT, 20, 150, 420, 60,
                          Id(Ctl::SkinLabel7));
  platform::CreateControl(w, "BUTTON", "View License Agreement",
                          WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 20, 222, 180, 28,
                          Id(Ctl::Command4));
  platform::CreateControl(w, "BUTTON", "Exit", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 340, 222,
                          100, 28, Id(Ctl::Command3));

  // The main window's skin component loads the file again and wears it here.
  skin_.Load(program_.folder);
  skin_.Apply(w);
  return true;
}

void Frmabout::ShowModal() {
  if (!hwnd()) return;
  SetFocus(Control(Ctl::Command3));
  RunModal(hwnd(), owner_);
}

void Frmabout::Show(const Program& program, Skin& skin, HWND owner,
                    std::function<void()> showMain) {
  Frmabout about(program, skin, std::move(showMain));
  if (about.Load(owner)) about.ShowModal();
}

HWND Frmabout::Control(Ctl control) const {
  return hwnd() ? GetDlgItem(hwnd(), Id(control)) : nullptr;
}

void Frmabout::Unload() {
  if (hwnd()) EndModal(hwnd());
}

void Frmabout::Command4_Click() {
  Normal::ViewLicenseText(program_.folder);
}

void Frmabout::Command3_Click() {
  Unload();
  if (showMain_) showMain_();
}

LRESULT Frmabout::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case static_cast<WORD>(Ctl::Command4):
          Command4_Click();
          return 0;
        case static_cast<WORD>(Ctl::Command3):
        case IDOK:
          Command3_Click();
          return 0;
        case IDCANCEL:
          Unload();
          return 0;
      }
      break;
    case WM_CLOSE:
      Unload();
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mainwindow
