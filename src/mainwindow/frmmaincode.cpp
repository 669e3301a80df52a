#include "mainwindow/frmmaincode.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <initializer_list>
#include <cstdlib>
#include <utility>

#include "catalogue/catalogue.h"
#include "engine/cleaning_pass.h"
#include "engine/environment.h"
#include "mainwindow/controls.h"
#include "mainwindow/frmabout.h"
#include "mainwindow/pictures.h"
#include "platform/process.h"
#include "platform/prompter.h"
#include "platform/pump.h"
#include "primitives/inifun.h"
#include "primitives/normal.h"

namespace mainwindow {
namespace {

using Ctl = FrmMainCode::Ctl;
using Cmd = FrmMainCode::Cmd;

constexpr int kClientWidth = 780;
constexpr int kClientHeight = 580;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr int kNavWidth = 140;
constexpr int kStripHeight = 30;
constexpr int kBannerHeight = 84;
// The right-hand area, where the welcome or the status panel stands.
constexpr int kAreaLeft = kNavWidth + 12;
constexpr int kAreaWidth = kClientWidth - kAreaLeft - 12;
constexpr int kAreaTop = kBannerHeight + 10;
constexpr int kAreaHeight = 358;

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 30000;
constexpr UINT_PTR kTmrShowPopup = 2;
constexpr UINT kTmrShowPopupInterval = 500;

// The boss key's hot keys, registered by the options; the exit procedure
// always gives them back.
constexpr int kBossHideHotKey = 95;
constexpr int kBossShowHotKey = 111;

// What the tray icon's callback carries in its x coordinate.
constexpr int kTrayLeftButtonUp = WM_LBUTTONUP;   // 514
constexpr int kTrayRightButtonUp = WM_RBUTTONUP;  // 517

constexpr const char* kWelcomeItems =
    " Recycle Bin;\r\n"
    " Temporary Internet Files;\r\n"
    " Cookies; your favoryte cookies may be safely kept;\r\n"
    " Temporary Files;\r\n"
    " History of visited Web Pages;\r\n"
    " Autocomplete text of text and password boxes on web pages;\r\n"
    " Recent Documents history;\r\n"
    " Microsoft Internet Explorer, Mozilla Firefox, Netsape, Msn Explorer and Opera are "
    "supported.";
constexpr const char* kAlsoItems =
    " Delete links to files opened by MS Office, standard Windows applications, etc.\r\n"
    " registry clean\r\n"
    " Schedule cleaning tasks. Tasks may start in schedulled times or events;\r\n"
    " Set a Boss Key(a keyboard key shortcut) to quickly Hide and show all web browsers on your "
    "system.";

int Id(Ctl control) {
  return static_cast<int>(control);
}
int Id(Cmd command) {
  return static_cast<int>(command);
}

// The eight navigation images in the bar's order, with their labels.
struct NavigationItem {
  Ctl image;
  Ctl label;
  const char* caption;
  Picture picture;
};

constexpr NavigationItem kNavigation[8] = {
    {Ctl::Image1, Ctl::Label1, "Main", Picture::Main},
    {Ctl::Image2, Ctl::Label2, "Clearner Settings", Picture::Settings},
    {Ctl::Image3, Ctl::Label3, "CLEAN NOW", Picture::CleanNow},
    {Ctl::Image4, Ctl::Label4, "Search and  Erase", Picture::SearchErase},
    {Ctl::Image5, Ctl::Label5, "Clean Options", Picture::Options},
    {Ctl::Image6, Ctl::Label6, "File Shredder", Picture::FileShredder},
    {Ctl::Image9, Ctl::Label13, "Clean Registry", Picture::Registry},
    {Ctl::Image10, Ctl::Label7, "EXIT", Picture::Exit},
};

int NavigationIndex(int id) {
  for (int i = 0; i < 8; ++i) {
    if (Id(kNavigation[i].image) == id) return i;
  }
  return -1;
}

HFONT LinkFont() {
  static HFONT font = [] {
    LOGFONTA description{};
    GetObjectA(platform::UiFont(), sizeof(description), &description);
    description.lfUnderline = TRUE;
    return CreateFontIndirectA(&description);
  }();
  return font;
}

// A picture drawn in the colours of the panel it stands on.
PictureDraw Drawn(Picture picture) {
  return [picture](HDC dc, const RECT& area, HWND self) {
    const SkinPart background = GetSkinPart(GetParent(self));
    const bool onBar = background == SkinPart::NavBar;
    const COLORREF ink = SkinColour(self, onBar ? SkinPart::NavText : SkinPart::Text);
    const COLORREF accent = SkinColour(self, onBar ? SkinPart::NavText : SkinPart::Accent);
    DrawPicture(dc, area, picture, ink, accent, SkinColour(self, background));
  };
}

}  // namespace

FrmMainCode::FrmMainCode(const Program& program) : program_(program) {}

FrmMainCode::~FrmMainCode() {
  tray_.Remove();
  // The window goes while every member it uses (the skin above all) is alive.
  if (const HWND window = hwnd()) DestroyWindow(window);
  if (mPopupSys_) DestroyMenu(mPopupSys_);
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void FrmMainCode::SetHooks(Hooks hooks) {
  hooks_ = std::move(hooks);
}

bool FrmMainCode::Load() {
  if (hwnd()) return true;
  CreateMenus();
  const SIZE outer = platform::OuterSize(kClientWidth, kClientHeight, kStyle, 0, true);
  CreateArgs args;
  args.className = "MurvaneFrmMainCode";
  args.caption = kMainCaption;
  args.style = kStyle;
  args.width = outer.cx;
  args.height = outer.cy;
  args.menu = menuBar_;
  if (!Create(args)) return false;
  CreateControls();
  Form_Load();
  return true;
}

// ---------------------------------------------------------------------------
// Building the window

HWND FrmMainCode::Remember(Ctl id, HWND control) {
  controls_[Id(id)] = control;
  return control;
}

HWND FrmMainCode::AddControl(Ctl id, HWND parent, const char* className, const std::string& text,
                             DWORD style, int x, int y, int width, int height) {
  return Remember(
      id, platform::CreateControl(parent, className, text, style, x, y, width, height, Id(id)));
}

HWND FrmMainCode::Control(Ctl control) const {
  const auto found = controls_.find(Id(control));
  return found == controls_.end() ? nullptr : found->second;
}

void FrmMainCode::CreateMenus() {
  // A caption of nullptr is a separator.
  struct Item {
    Cmd command;
    const char* caption;
  };
  const auto build = [](std::initializer_list<Item> items) {
    HMENU menu = CreatePopupMenu();
    for (const Item& item : items) {
      if (item.caption) {
        AppendMenuA(menu, MF_STRING, Id(item.command), item.caption);
      } else {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      }
    }
    return menu;
  };
  constexpr Cmd kSeparator{};

  menuBar_ = CreateMenu();
  AppendMenuA(menuBar_, MF_POPUP,
              reinterpret_cast<UINT_PTR>(build({{Cmd::CleanNow1, "Clean Now\tCtrl+N"},
                                                {kSeparator, nullptr},
                                                {Cmd::CleanSettings, "Clean Settings\tCtrl+S"},
                                                {kSeparator, nullptr},
                                                {Cmd::CleanOptions, "Clean Options\tCtrl+O"},
                                                {kSeparator, nullptr},
                                                {Cmd::exit, "Exit\tCtrl+X"}})),
              "File(&F)");
  AppendMenuA(menuBar_, MF_POPUP,
              reinterpret_cast<UINT_PTR>(build({{Cmd::CleanRegistry, "Clean Registry"},
                                                {kSeparator, nullptr},
                                                {Cmd::SearchandErase, "Search and Erase"},
                                                {kSeparator, nullptr},
                                                {Cmd::FileShredder, "File Shredder"}})),
              "Tool(&T)");
  AppendMenuA(menuBar_, MF_POPUP,
              reinterpret_cast<UINT_PTR>(build({{Cmd::help1, "Help\tF1"},
                                                {kSeparator, nullptr},
                                                {Cmd::OurWebsite, "Our Website\tCtrl+W"},
                                                {kSeparator, nullptr},
                                                {Cmd::friend_, "Tell a Friend"},
                                                {Cmd::affiliate, "Become Affiliate"},
                                                {kSeparator, nullptr},
                                                {Cmd::about, "About\tCtrl+A"}})),
              "Help(&H)");

  // mPopupSys ("Systray"): the tray icon's menu, never in the menu bar.
  mPopupSys_ = build({{Cmd::web, "Murvane On the Web"},
                      {Cmd::help2, "Help"},
                      {kSeparator, nullptr},
                      {Cmd::options1, "Options"},
                      {kSeparator, nullptr},
                      {Cmd::settings1, "Settings"},
                      {kSeparator, nullptr},
                      {Cmd::restore1, "Restore"},
                      {kSeparator, nullptr},
                      {Cmd::cleannow2, "Clean Now"},
                      {kSeparator, nullptr},
                      {Cmd::exit1, "Exit"}});

  ACCEL shortcuts[] = {
      {FVIRTKEY | FCONTROL, 'N', static_cast<WORD>(Id(Cmd::CleanNow1))},
      {FVIRTKEY | FCONTROL, 'S', static_cast<WORD>(Id(Cmd::CleanSettings))},
      {FVIRTKEY | FCONTROL, 'O', static_cast<WORD>(Id(Cmd::CleanOptions))},
      {FVIRTKEY | FCONTROL, 'X', static_cast<WORD>(Id(Cmd::exit))},
      {FVIRTKEY, VK_F1, static_cast<WORD>(Id(Cmd::help1))},
      {FVIRTKEY | FCONTROL, 'W', static_cast<WORD>(Id(Cmd::OurWebsite))},
      {FVIRTKEY | FCONTROL, 'A', static_cast<WORD>(Id(Cmd::about))},
  };
  accelerators_ = CreateAcceleratorTableA(shortcuts, static_cast<int>(std::size(shortcuts)));
}

void FrmMainCode::CreateControls() {
  CreateNavigationBar();
  CreateBannerAndStrip();
  CreateWelcomePanel();
  CreateStatusPanel();
  CreateStatisticsPanel();
}

void FrmMainCode::CreateNavigationBar() {
  const HWND bar =
      Remember(Ctl::Picture1, CreatePanel(hwnd(), Id(Ctl::Picture1), SkinPart::NavBar, "", 0, 0,
                                          kNavWidth, kClientHeight - kStripHeight));
  constexpr int kSlot = 64;
  constexpr int kImage = 40;
  for (int i = 0; i < 8; ++i) {
    const NavigationItem& item = kNavigation[i];
    const int top = 10 + i * kSlot;
    images_[i] = Remember(item.image,
                          CreatePicture(bar, Id(item.image), Drawn(item.picture), true,
                                        (kNavWidth - kImage) / 2 - 2, top, kImage + 4, kImage + 4));
    HWND label =
        AddControl(item.label, bar, "STATIC", item.caption, WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 2,
                   top + kImage + 6, kNavWidth - 4, 16);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(platform::UiFontBold()), FALSE);
  }
}

void FrmMainCode::CreateBannerAndStrip() {
  const HWND banner =
      Remember(Ctl::Frame6, CreatePanel(hwnd(), Id(Ctl::Frame6), SkinPart::Accent, "", kNavWidth, 0,
                                        kClientWidth - kNavWidth, kBannerHeight));
  Remember(Ctl::Picture5, CreatePicture(
                              banner, Id(Ctl::Picture5),
                              [](HDC dc, const RECT& area, HWND self) {
                                DrawBanner(dc, area, SkinColour(self, SkinPart::Accent),
                                           SkinColour(self, SkinPart::AccentText));
                              },
                              false, 0, 0, kClientWidth - kNavWidth, kBannerHeight));

  const HWND strip = Remember(
      Ctl::Picture3, CreatePanel(hwnd(), Id(Ctl::Picture3), SkinPart::NavBar, "", 0,
                                 kClientHeight - kStripHeight, kClientWidth, kStripHeight));
  HWND link =
      AddControl(Ctl::Label51, strip, "STATIC", kWebsiteLinkText,
                 WS_VISIBLE | SS_RIGHT | SS_NOTIFY | SS_NOPREFIX, 16, 7, kClientWidth - 32, 16);
  SendMessageA(link, WM_SETFONT, reinterpret_cast<WPARAM>(LinkFont()), FALSE);
}

void FrmMainCode::CreateWelcomePanel() {
  const HWND welcome =
      Remember(Ctl::Frame2, CreatePanel(hwnd(), Id(Ctl::Frame2), SkinPart::Panel, "", kAreaLeft,
                                        kAreaTop, kAreaWidth, kAreaHeight));
  const HWND intro = Remember(Ctl::Frame1, CreatePanel(welcome, Id(Ctl::Frame1), SkinPart::Panel,
                                                       "", 0, 0, kAreaWidth, 92));
  Remember(Ctl::Picture2,
           CreatePicture(intro, Id(Ctl::Picture2), Drawn(Picture::Help), true, 18, 12, 44, 44));
  AddControl(Ctl::SkinLabel3, intro, "STATIC", "Help", WS_VISIBLE | SS_CENTER, 10, 60, 60, 16);
  HWND title = AddControl(Ctl::SkinLabel1, intro, "STATIC", kAppTitle, WS_VISIBLE | SS_LEFT, 84, 10,
                          kAreaWidth - 100, 30);
  SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(platform::UiFontSized(16, true)), FALSE);
  SetSkinTextPart(title, SkinPart::Accent);
  AddControl(Ctl::SkinLabel2, intro, "STATIC",
             "Ensure your privacy by erasing kinds of tracks from your computer.",
             WS_VISIBLE | SS_LEFT, 86, 46, kAreaWidth - 100, 34);
  platform::CreateControl(intro, "STATIC", "", WS_VISIBLE | SS_ETCHEDHORZ, 16, 88, kAreaWidth - 32,
                          2, 0);

  const HWND features = Remember(Ctl::Frame5, CreatePanel(welcome, Id(Ctl::Frame5), SkinPart::Panel,
                                                          "", 0, 96, kAreaWidth, kAreaHeight - 96));
  constexpr int kTextLeft = 74;
  const int textWidth = kAreaWidth - kTextLeft - 10;
  Remember(Ctl::Picture6, CreatePicture(features, Id(Ctl::Picture6), Drawn(Picture::Shield), false,
                                        20, 6, 40, 40));
  HWND heading = AddControl(Ctl::SkinLabel7, features, "STATIC",
                            "Using this program, you can clean and remove:", WS_VISIBLE | SS_LEFT,
                            kTextLeft, 8, textWidth, 16);
  SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(platform::UiFontBold()), FALSE);
  // Each list has room for one more line than it has items: a font wider
  // than the default wraps the longest item instead of cutting it off.
  AddControl(Ctl::SkinLabel8, features, "STATIC", kWelcomeItems, WS_VISIBLE | SS_LEFT, kTextLeft,
             28, textWidth, 9 * 14);
  Remember(Ctl::Picture4, CreatePicture(features, Id(Ctl::Picture4), Drawn(Picture::Schedule),
                                        false, 20, 160, 40, 40));
  heading = AddControl(Ctl::SkinLabel6, features, "STATIC", "You also can:", WS_VISIBLE | SS_LEFT,
                       kTextLeft, 162, textWidth, 16);
  SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(platform::UiFontBold()), FALSE);
  AddControl(Ctl::SkinLabel9, features, "STATIC", kAlsoItems, WS_VISIBLE | SS_LEFT, kTextLeft, 182,
             textWidth, 5 * 14);
}

void FrmMainCode::CreateStatusPanel() {
  const HWND status =
      Remember(Ctl::Frame4, CreatePanel(hwnd(), Id(Ctl::Frame4), SkinPart::Panel, "Status",
                                        kAreaLeft, kAreaTop, kAreaWidth, kAreaHeight));
  const int inner = kAreaWidth - 24;
  HWND list = AddControl(Ctl::ListView1, status, WC_LISTVIEWA, "",
                         WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                             LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                         12, 26, inner, 228);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  // Wide enough for the longest caption a pass shows, in the list's own font
  // and with the list's cell margins, while leaving the status column room.
  int itemWidth = 0;
  for (const engine::PlannedTrack& track : engine::PassPlan()) {
    if (!track.caption) continue;
    itemWidth = std::max(itemWidth,
                         static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0,
                                                       reinterpret_cast<LPARAM>(track.caption))));
  }
  itemWidth = std::clamp(itemWidth + 24, 200, inner - 160);
  column.cx = itemWidth;
  column.pszText = const_cast<char*>("Item");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.cx = inner - itemWidth - GetSystemMetrics(SM_CXVSCROLL) - 4;
  column.pszText = const_cast<char*>("Status");
  SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));

  HWND progress = AddControl(Ctl::coolprogressbar1, status, PROGRESS_CLASSA, "",
                             WS_VISIBLE | PBS_SMOOTH, 12, 262, inner, 16);
  SendMessageA(progress, PBM_SETRANGE32, 0, 100);
  AddControl(Ctl::SkinLabel5, status, "STATIC", "",
             WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 12, 284, inner, 18);
  HWND start = AddControl(Ctl::Command1, status, "BUTTON", "Start Cleaning >>",
                          WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kAreaWidth - 12 - 100 - 8 - 150,
                          312, 150, 30);
  AddControl(Ctl::Command2, status, "BUTTON", "Cancel", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
             kAreaWidth - 12 - 100, 312, 100, 30);

  toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  if (toolTip_) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = status;
    tool.uId = reinterpret_cast<UINT_PTR>(start);
    tool.lpszText = const_cast<char*>(kCommand1ToolTip);
    SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 320);
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void FrmMainCode::CreateStatisticsPanel() {
  const HWND statistics =
      Remember(Ctl::Frame3, CreatePanel(hwnd(), Id(Ctl::Frame3), SkinPart::Panel, "", kAreaLeft,
                                        kAreaTop + kAreaHeight + 8, kAreaWidth, 76));
  HWND caption = AddControl(Ctl::SkinLabel10, statistics, "STATIC",
                            "Last Cleaned at:", WS_VISIBLE | SS_LEFT, 16, 16, 120, 18);
  SendMessageA(caption, WM_SETFONT, reinterpret_cast<WPARAM>(platform::UiFontBold()), FALSE);
  AddControl(Ctl::Label12, statistics, "STATIC", "", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 140, 16,
             kAreaWidth - 156, 18);
  AddControl(Ctl::Label14, statistics, "STATIC", "", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 12, 44,
             kAreaWidth - 28, 18);
}

// ---------------------------------------------------------------------------
// Loading

void FrmMainCode::Form_Load() {
  const std::string settings = catalogue::SettingsFile(program_.folder);
  namespace opt = catalogue::options;

  environment_.programFolder = program_.folder;
  environment_.owner = hwnd();
  environment_.windowsVersion = Inifun::GetWindowsVersion();
  notificationQueue_ = notify::NotificationQueue();

  skin_.Load(program_.folder);
  skin_.Apply(hwnd());

  ShowPanel(Ctl::Frame2, Ctl::Frame4);

  notifyOnFinish_ = 0;
  std::string days = Inifun::ReadIniValue(settings, opt::kSection, opt::kCleanDays);
  if (days.empty()) days = opt::kNoDays;
  for (size_t i = 0; i < scheduleDays_.size(); ++i) {
    scheduleDays_[i] = i < days.size() ? days.substr(i, 1) : std::string();
  }
  scheduleTime_ = Inifun::ReadIniValue(settings, opt::kSection, opt::kCleanTime);

  LoadStatistics();

  environment_.roaming = engine::ReadUserShellFolder("AppData");
  environment_.local = engine::ReadUserShellFolder("Local AppData");
  environment_.windowsFolder = engine::ReadWindowsFolder();
  environment_.ieVersion = engine::VersionNumber(GetIEVersion());

  tray_.Add(hwnd(), reinterpret_cast<HICON>(GetClassLongPtrA(hwnd(), GCLP_HICON)));

  // Registering the hot keys belongs to the boss key itself; here the wish
  // is only remembered.
  bossKeyWanted_ =
      catalogue::ReadsAsOne(Inifun::ReadIniValue(settings, opt::kSection, opt::kBossKey));

  SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
  SetTimer(hwnd(), kTmrShowPopup, kTmrShowPopupInterval, nullptr);
}

void FrmMainCode::LoadStatistics() {
  const std::string settings = catalogue::SettingsFile(program_.folder);
  namespace opt = catalogue::options;
  SetWindowTextA(Control(Ctl::Label12),
                 Inifun::ReadIniValue(settings, opt::kSection, opt::kLastClean).c_str());
  registryCount_ =
      std::strtod(Inifun::ReadIniValue(settings, opt::kSection, opt::kRegNum).c_str(), nullptr);
  byteCount_ =
      std::strtod(Inifun::ReadIniValue(settings, opt::kSection, opt::kFileSize).c_str(), nullptr);
  SetWindowTextA(Control(Ctl::Label14), engine::StatisticsText(registryCount_, byteCount_).c_str());
}

std::string FrmMainCode::GetIEVersion() {
  return engine::GetIEVersion();
}

// ---------------------------------------------------------------------------
// Showing, hiding, ending

void FrmMainCode::Show() {
  if (!hwnd()) return;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void FrmMainCode::Restore() {
  if (!hwnd()) return;
  ShowWindow(hwnd(), SW_SHOW);
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  SetForegroundWindow(hwnd());
}

void FrmMainCode::Form_QueryUnload() {
  // Closing keeps the program in the notification area.
  ShowWindow(hwnd(), SW_MINIMIZE);
  ShowWindow(hwnd(), SW_HIDE);
}

void FrmMainCode::Form_Activate() {
  // The stored command line counts at the first activation only.
  const bool startedMinimized = program_.commandLine == "min";
  program_.commandLine.clear();
  if (startedMinimized) ShowWindow(hwnd(), SW_HIDE);
}

void FrmMainCode::ExitProcedure() {
  if (exiting_) return;
  exiting_ = true;
  if (hooks_.unloadSplash) hooks_.unloadSplash();
  if (const HWND window = hwnd()) {
    UnregisterHotKey(window, kBossHideHotKey);
    UnregisterHotKey(window, kBossShowHotKey);
    if (previousWindowProc_) {
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc_));
      previousWindowProc_ = nullptr;
    }
  }
  tray_.Remove();
  if (const HWND window = hwnd()) {
    KillTimer(window, kTimer1);
    KillTimer(window, kTmrShowPopup);
    DestroyWindow(window);
  }
  if (hooks_.endProgram) {
    hooks_.endProgram();
  } else {
    PostQuitMessage(0);
  }
}

// ---------------------------------------------------------------------------
// Navigation

void FrmMainCode::ShowPanel(Ctl shown, Ctl hidden) {
  ShowWindow(Control(shown), SW_SHOW);
  ShowWindow(Control(hidden), SW_HIDE);
}

void FrmMainCode::Image1_Click() {
  ShowPanel(Ctl::Frame2, Ctl::Frame4);
}
void FrmMainCode::Image2_Click() {
  ShowFrmsettings();
}
void FrmMainCode::Image3_Click() {
  ShowPanel(Ctl::Frame4, Ctl::Frame2);
}
void FrmMainCode::Image4_Click() {
  ShowFrmLocate();
}
void FrmMainCode::Image5_Click() {
  ShowFrmoption();
}
void FrmMainCode::Image6_Click() {
  StartSiblingTool("Tessaly.exe");
}
void FrmMainCode::Image9_Click() {
  StartSiblingTool("Corvath.exe");
}
void FrmMainCode::Image10_Click() {
  ExitProcedure();
}

void FrmMainCode::Image_MouseMove(int index) {
  for (int i = 0; i < 8; ++i) SetPictureBorder(images_[i], i == index);
}

void FrmMainCode::ClearSelections() {
  for (HWND image : images_) SetPictureBorder(image, false);
}

void FrmMainCode::Picture1_MouseMove() {
  ClearSelections();
}
void FrmMainCode::Picture2_Click() {
  Normal::ShowHelp(program_.folder);
}
void FrmMainCode::Label51_Click() {
  Normal::OpenUrl(kWebsite);
}

void FrmMainCode::StartSiblingTool(const char* fileName) {
  // The tools are separate programs of the installation; one that is not
  // installed is simply not started.
  const std::string path = program_.File(std::string("\\") + fileName);
  if (!platform::FileExists(path)) return;
  platform::StartCommandLine("\"" + path + "\"", SW_SHOWNORMAL);
}

// The settings, options and Search and Erase windows come with their own
// work; until then their entries open nothing.
void FrmMainCode::ShowFrmsettings() {}
void FrmMainCode::ShowFrmoption() {}
void FrmMainCode::ShowFrmLocate() {}

void FrmMainCode::ShowFrmabout() {
  Frmabout::Show(program_, skin_, hwnd(), [this] { Show(); });
}

// ---------------------------------------------------------------------------
// Cleaning

void FrmMainCode::CleanNow() {
  if (!hwnd()) return;
  engine::PassRequest request;
  request.notifyOnFinish = notifyOnFinish_ == 1;
  engine::CleanNow(environment_, *this, request);
}

void FrmMainCode::Command1_Click() {
  CleanNow();
}

void FrmMainCode::Command2_Click() {}

void FrmMainCode::CleanNow1_Click() {
  ShowPanel(Ctl::Frame4, Ctl::Frame2);
  CleanNow();
}

void FrmMainCode::cleannow2_Click() {
  // A pass already under way keeps its own way of reporting; this request is
  // dropped whole rather than half-applied.
  if (engine::IsPassRunning()) return;
  notifyOnFinish_ = 1;
  CleanNow();
  if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void FrmMainCode::restore1_Click() {
  Restore();
}

void FrmMainCode::Timer1_Timer() {
  // The schedule's tick; scheduled cleaning hooks in here.
}

void FrmMainCode::tmrShowPopup_Timer() {
  // Requests wait in the queue until there is a popup window to show them;
  // m_NotificationWindow stays empty until then.
}

// ---------------------------------------------------------------------------
// The pass's view

void FrmMainCode::BeginPass() {
  ShowPanel(Ctl::Frame4, Ctl::Frame2);
  waitCursor_ = true;
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
  EnableWindow(Control(Ctl::Command1), FALSE);
}

void FrmMainCode::ClearRows() {
  const HWND list = Control(Ctl::ListView1);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  currentRow_ = -1;
  UpdateWindow(list);
}

void FrmMainCode::AddRow(const std::string& caption, const std::string& status) {
  const HWND list = Control(Ctl::ListView1);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(caption.c_str());
  currentRow_ =
      static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (!status.empty()) SetRowStatus(status);
  SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(currentRow_), FALSE);
}

void FrmMainCode::SetRowStatus(const std::string& status) {
  if (currentRow_ < 0) return;
  LVITEMA item{};
  item.iSubItem = 1;
  item.pszText = const_cast<char*>(status.c_str());
  SendMessageA(Control(Ctl::ListView1), LVM_SETITEMTEXTA, static_cast<WPARAM>(currentRow_),
               reinterpret_cast<LPARAM>(&item));
}

void FrmMainCode::SetProgress(int value) {
  SendMessageA(Control(Ctl::coolprogressbar1), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void FrmMainCode::SetStatusLine(const std::string& text) {
  SetWindowTextA(Control(Ctl::SkinLabel5), text.c_str());
}

void FrmMainCode::Pump() {
  platform::DoEvents();
}

void FrmMainCode::EndPass() {
  EnableWindow(Control(Ctl::Command1), TRUE);
  waitCursor_ = false;
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

void FrmMainCode::Report(const engine::PassReport& report) {
  if (report.byNotification) {
    mNotificationSystem::RequestNotification(notificationQueue_, m_NotificationWindow, "www",
                                             report.title, report.text, true, true, nullptr,
                                             report.soundFile);
    notifyOnFinish_ = 0;
    return;
  }
  platform::ShowMessage(hwnd(), report.text, report.title, MB_OK | MB_ICONINFORMATION);
}

void FrmMainCode::ShowStatistics(const engine::PassStatistics& statistics) {
  SetWindowTextA(Control(Ctl::Label12), statistics.lastClean.c_str());
  registryCount_ = statistics.registryCount;
  byteCount_ = statistics.byteCount;
  SetWindowTextA(Control(Ctl::Label14), engine::StatisticsText(registryCount_, byteCount_).c_str());
}

void FrmMainCode::ShowMainWindow() {
  Show();
}

void FrmMainCode::ExitProgram() {
  ExitProcedure();
}

// ---------------------------------------------------------------------------
// Messages

void FrmMainCode::ShowTrayMenu() {
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(mPopupSys_, TPM_RIGHTBUTTON | TPM_RIGHTALIGN | TPM_BOTTOMALIGN, at.x, at.y, 0,
                 hwnd(), nullptr);
  // Without a message after it, a menu opened from the notification area
  // may not close when the user clicks elsewhere.
  PostMessageA(hwnd(), WM_NULL, 0, 0);
}

void FrmMainCode::Form_MouseMove(int x) {
  if (x == kTrayLeftButtonUp) {
    Restore();
  } else if (x == kTrayRightButtonUp) {
    SetForegroundWindow(hwnd());
    ShowTrayMenu();
  }
}

void FrmMainCode::OnCommand(int id, int code, HWND control) {
  if (!control) {
    switch (static_cast<Cmd>(id)) {
      case Cmd::CleanNow1:
        CleanNow1_Click();
        return;
      case Cmd::CleanSettings:
      case Cmd::settings1:
        ShowFrmsettings();
        return;
      case Cmd::CleanOptions:
      case Cmd::options1:
        ShowFrmoption();
        return;
      case Cmd::exit:
      case Cmd::exit1:
        ExitProcedure();
        return;
      case Cmd::CleanRegistry:
        Image9_Click();
        return;
      case Cmd::SearchandErase:
        Image4_Click();
        return;
      case Cmd::FileShredder:
        Image6_Click();
        return;
      case Cmd::help1:
      case Cmd::help2:
        Normal::ShowHelp(program_.folder);
        return;
      case Cmd::OurWebsite:
      case Cmd::web:
        Normal::OpenUrl(kWebsite);
        return;
      case Cmd::friend_:
        Normal::OpenUrl("mailto:");
        return;
      case Cmd::affiliate:
        Normal::OpenUrl(kAffiliatePage);
        return;
      case Cmd::about:
        ShowFrmabout();
        return;
      case Cmd::restore1:
        restore1_Click();
        return;
      case Cmd::cleannow2:
        cleannow2_Click();
        return;
    }
    return;
  }

  if (const int index = NavigationIndex(id); index >= 0) {
    if (code == kMouseMoveNotification) {
      Image_MouseMove(index);
      return;
    }
    if (code != STN_CLICKED) return;
    switch (static_cast<Ctl>(id)) {
      case Ctl::Image1:
        Image1_Click();
        break;
      case Ctl::Image2:
        Image2_Click();
        break;
      case Ctl::Image3:
        Image3_Click();
        break;
      case Ctl::Image4:
        Image4_Click();
        break;
      case Ctl::Image5:
        Image5_Click();
        break;
      case Ctl::Image6:
        Image6_Click();
        break;
      case Ctl::Image9:
        Image9_Click();
        break;
      case Ctl::Image10:
        Image10_Click();
        break;
      default:
        break;
    }
    return;
  }

  switch (static_cast<Ctl>(id)) {
    case Ctl::Picture1:
      if (code == kMouseMoveNotification) Picture1_MouseMove();
      return;
    case Ctl::Picture2:
      if (code == STN_CLICKED) Picture2_Click();
      return;
    case Ctl::Label51:
      if (code == STN_CLICKED) Label51_Click();
      return;
    case Ctl::Command1:
      if (code == BN_CLICKED) Command1_Click();
      return;
    case Ctl::Command2:
      if (code == BN_CLICKED) Command2_Click();
      return;
    default:
      return;
  }
}

void FrmMainCode::OnTimer(UINT_PTR timer) {
  if (timer == kTimer1) Timer1_Timer();
  if (timer == kTmrShowPopup) tmrShowPopup_Timer();
}

LRESULT FrmMainCode::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CLOSE:
      Form_QueryUnload();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) Form_Activate();
      break;
    case WM_MOUSEMOVE:
      // The tray icon's callback carries its mouse message in x and nothing
      // in y; a real movement over the window's face never has y 0 there
      // (the banner and the bar cover the top row).
      if (GET_Y_LPARAM(lParam) == 0) Form_MouseMove(GET_X_LPARAM(lParam));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_SETCURSOR:
      if (waitCursor_) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        return TRUE;
      }
      if (reinterpret_cast<HWND>(wParam) == Control(Ctl::Label51)) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    default:
      if (message == TrayIcon::TaskbarCreatedMessage() && message != 0 && !exiting_) {
        tray_.Add(hwnd(), reinterpret_cast<HICON>(GetClassLongPtrA(hwnd(), GCLP_HICON)));
        return 0;
      }
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mainwindow
