#include "main_window_fixture.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <array>
#include <functional>

#include "engine/environment.h"
#include "mainwindow/controls.h"
#include "mainwindow/frmabout.h"
#include "platform/process.h"
#include "platform/text.h"

namespace mainwindow_tests {
namespace {

using testing_support::MessageRecorder;

TEST_F(MainWindowTest, LoadShowsTheLastStatisticsAndKeepsTheScheduleHidden) {
  WriteSettings(
      "[Options]\r\nlastclean=12/11/2026 10:00:00 AM\r\nregnum=42\r\nfilesize=3145728\r\n"
      "CleanDays=1010110\r\nCleanTime=10:30\r\nbosskey=1\r\n");
  mainwindow::FrmMainCode& window = Load();

  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(platform::GetText(window.hwnd()), "Murvane V6.10");
  EXPECT_TRUE(Shown(Ctl::Frame2));
  EXPECT_FALSE(Shown(Ctl::Frame4));

  EXPECT_EQ(Text(Ctl::SkinLabel10), "Last Cleaned at:");
  EXPECT_EQ(Text(Ctl::Label12), "12/11/2026 10:00:00 AM");
  EXPECT_EQ(Text(Ctl::Label14), "  Cleaned Registry Keys: 42     Released HD Space:3.00MB");
  EXPECT_EQ(window.registryCount(), 42);
  EXPECT_EQ(window.byteCount(), 3145728);

  EXPECT_EQ(window.scheduleDays(), (std::array<std::string, 7>{"1", "0", "1", "0", "1", "1", "0"}));
  EXPECT_EQ(window.scheduleTime(), "10:30");
  EXPECT_TRUE(window.bossKeyWanted());
  EXPECT_EQ(window.NotifyOnFinish(), 0);
  EXPECT_TRUE(window.notificationQueue().empty());
}

TEST_F(MainWindowTest, LoadWithoutSettingsGivesEmptyStatisticsAndNoScheduleDays) {
  mainwindow::FrmMainCode& window = Load();
  EXPECT_EQ(Text(Ctl::Label12), "");
  EXPECT_EQ(Text(Ctl::Label14), "  Cleaned Registry Keys: 0     Released HD Space:0.00MB");
  EXPECT_EQ(window.scheduleDays(), (std::array<std::string, 7>{"0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(window.scheduleTime(), "");
  EXPECT_FALSE(window.bossKeyWanted());
}

TEST_F(MainWindowTest, LoadKeepsTheUserFoldersTheWindowsFolderAndVersions) {
  const engine::PassEnvironment& environment = Load().environment();
  const std::string profile = platform::EnvironmentVariable("USERPROFILE").value_or("?");
  // The test prefix's user shell folders are the usual %USERPROFILE% ones.
  EXPECT_EQ(environment.roaming, profile + "\\AppData\\Roaming");
  EXPECT_EQ(environment.local, profile + "\\AppData\\Local");
  EXPECT_EQ(environment.windowsFolder, platform::WindowsFolder());
  EXPECT_EQ(environment.programFolder, folder().path());
  EXPECT_EQ(environment.owner, main().hwnd());
  EXPECT_FALSE(environment.windowsVersion.empty());
  // Wine's Internet Explorer reports version 9.11.
  EXPECT_EQ(main().GetIEVersion(), "9");
  EXPECT_EQ(environment.ieVersion, 9);
}

TEST(VersionNumber, IsTheDigitOfTheFirstCharacterOrZero) {
  const std::pair<const char*, int> cases[] = {{"9", 9}, {"7", 7}, {"0", 0}, {"E", 0}, {"", 0}};
  for (const auto& [text, number] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(engine::VersionNumber(text), number);
  }
}

TEST_F(MainWindowTest, SizeTextOfTheStatisticsHasTwoDecimalsAndNoGrouping) {
  const std::pair<const char*, const char*> cases[] = {
      {"1572864", "1.50"},          // one and a half MB
      {"0", "0.00"},                //
      {"10485760000", "10000.00"},  // ten thousand MB, no separator
  };
  for (const auto& [bytes, size] : cases) {
    SCOPED_TRACE(bytes);
    WriteSettings(std::string("[Options]\r\nregnum=7\r\nfilesize=") + bytes + "\r\n");
    Load();
    EXPECT_EQ(Text(Ctl::Label14),
              std::string("  Cleaned Registry Keys: 7     Released HD Space:") + size + "MB");
  }
}

TEST_F(MainWindowTest, BossKeyIsWantedOnlyForAValueReadingAsOne) {
  const std::pair<const char*, bool> cases[] = {
      {"1", true}, {"01", true}, {"0", false}, {"", false}, {"yes", false}};
  for (const auto& [value, wanted] : cases) {
    SCOPED_TRACE(value);
    WriteSettings(std::string("[Options]\r\nbosskey=") + value + "\r\n");
    EXPECT_EQ(Load().bossKeyWanted(), wanted);
  }
}

TEST_F(MainWindowTest, HoverBordersExactlyTheImageUnderTheMouseAndTheBarClearsAll) {
  Load();
  const Ctl images[] = {Ctl::Image1, Ctl::Image2, Ctl::Image3, Ctl::Image4,
                        Ctl::Image5, Ctl::Image6, Ctl::Image9, Ctl::Image10};
  auto bordered = [&] {
    std::vector<Ctl> result;
    for (Ctl image : images) {
      if (mainwindow::HasPictureBorder(Control(image))) result.push_back(image);
    }
    return result;
  };
  EXPECT_TRUE(bordered().empty());
  MouseOver(Ctl::Image3);
  EXPECT_EQ(bordered(), std::vector<Ctl>{Ctl::Image3});
  MouseOver(Ctl::Image5);
  EXPECT_EQ(bordered(), std::vector<Ctl>{Ctl::Image5});
  MouseOver(Ctl::Picture1);
  EXPECT_TRUE(bordered().empty());
}

TEST_F(MainWindowTest, ImagesSwitchBetweenWelcomeAndStatusPanelsWithoutCleaning) {
  MessageRecorder messages;
  Load();
  ClickPicture(Ctl::Image3);
  EXPECT_TRUE(Shown(Ctl::Frame4));
  EXPECT_FALSE(Shown(Ctl::Frame2));
  EXPECT_TRUE(Rows().empty());
  ClickPicture(Ctl::Image1);
  EXPECT_TRUE(Shown(Ctl::Frame2));
  EXPECT_FALSE(Shown(Ctl::Frame4));
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainWindowTest, CloseHidesTheWindowAndTheProgramGoesOn) {
  mainwindow::FrmMainCode& window = Load();
  window.Show();
  ASSERT_TRUE(IsWindowVisible(window.hwnd()));
  SendMessageA(window.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window.hwnd()));
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(programEnded(), 0);

  // The tray icon's left click brings it back in normal state.
  TrayCallback(WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  EXPECT_FALSE(IsIconic(window.hwnd()));
}

TEST_F(MainWindowTest, TrayLeftClickAndRestoreBringBackAMinimizedWindow) {
  mainwindow::FrmMainCode& window = Load();
  for (const bool byMenu : {false, true}) {
    SCOPED_TRACE(byMenu ? "Restore" : "left click");
    ShowWindow(window.hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window.hwnd()));
    if (byMenu) {
      Command(Cmd::restore1);
    } else {
      TrayCallback(WM_LBUTTONUP);
    }
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));
    EXPECT_FALSE(IsIconic(window.hwnd()));
  }
  // Other mouse messages of the icon do nothing.
  ShowWindow(window.hwnd(), SW_HIDE);
  TrayCallback(WM_LBUTTONDBLCLK);
  TrayCallback(WM_MOUSEMOVE);
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
}

TEST_F(MainWindowTest, EveryWayOutRunsTheExitProcedureOnce) {
  struct Way {
    const char* name;
    std::function<void()> take;
  };
  const Way ways[] = {
      {"File > Exit", [this] { Command(Cmd::exit); }},
      {"tray Exit", [this] { Command(Cmd::exit1); }},
      {"EXIT image", [this] { ClickPicture(Ctl::Image10); }},
  };
  int expected = 0;
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Load();
    way.take();
    ++expected;
    EXPECT_EQ(programEnded(), expected);
    EXPECT_EQ(splashUnloaded(), expected);
    EXPECT_EQ(main().hwnd(), nullptr);
    EXPECT_FALSE(main().trayIcon().shown());
  }
}

TEST_F(MainWindowTest, FirstActivationWithMinHidesTheWindowOnce) {
  mainwindow::FrmMainCode& window = Load("min");
  window.Show();
  SendMessageA(window.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_TRUE(IsWindow(window.hwnd()));

  window.Show();
  SendMessageA(window.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
}

TEST_F(MainWindowTest, FirstActivationWithoutMinKeepsTheWindowShown) {
  mainwindow::FrmMainCode& window = Load("other");
  window.Show();
  SendMessageA(window.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
}

TEST_F(MainWindowTest, MissingSiblingToolsStartNothingAndSayNothing) {
  MessageRecorder messages;
  mainwindow::FrmMainCode& window = Load();
  window.Show();
  ASSERT_FALSE(platform::FileExists(folder() / "Tessaly.exe"));
  ClickPicture(Ctl::Image6);
  ClickPicture(Ctl::Image9);
  Command(Cmd::FileShredder);
  Command(Cmd::CleanRegistry);
  EXPECT_TRUE(messages.messages().empty());
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  EXPECT_EQ(GetForegroundWindow(), window.hwnd());
}

// The process id of a running program with this file name, or 0.
DWORD FindProcess(const char* fileName) {
  DWORD found = 0;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more && !found;
       more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, fileName) == 0) found = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return found;
}

TEST_F(MainWindowTest, PresentSiblingToolsAreStartedFromTheProgramFolder) {
  // Any program will do as a stand-in; the desktop program is at hand.
  const std::string standIn = platform::ExecutableFolder() + "\\murvane.exe";
  if (!platform::FileExists(standIn)) GTEST_SKIP() << "murvane.exe is not built";
  struct Tool {
    const char* fileName;
    std::function<void()> start;
  };
  const Tool tools[] = {
      {"Tessaly.exe", [this] { ClickPicture(Ctl::Image6); }},
      {"Corvath.exe", [this] { Command(Cmd::CleanRegistry); }},
  };
  Load();
  for (const Tool& tool : tools) {
    SCOPED_TRACE(tool.fileName);
    ASSERT_TRUE(CopyFileA(standIn.c_str(), (folder() / tool.fileName).c_str(), FALSE));
    tool.start();
    DWORD process = 0;
    for (int wait = 0; wait < 100 && !process; ++wait) {
      process = FindProcess(tool.fileName);
      if (!process) Sleep(50);
    }
    EXPECT_NE(process, 0u);
    if (const HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process)) {
      TerminateProcess(handle, 0);
      WaitForSingleObject(handle, 5000);
      CloseHandle(handle);
    }
  }
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndShortcuts) {
  mainwindow::FrmMainCode& window = Load();
  const HMENU bar = GetMenu(window.hwnd());
  ASSERT_NE(bar, nullptr);
  auto caption = [](HMENU menu, UINT item, UINT by) {
    char text[128] = {};
    GetMenuStringA(menu, item, text, sizeof(text), by);
    return std::string(text);
  };
  EXPECT_EQ(caption(bar, 0, MF_BYPOSITION), "File(&F)");
  EXPECT_EQ(caption(bar, 1, MF_BYPOSITION), "Tool(&T)");
  EXPECT_EQ(caption(bar, 2, MF_BYPOSITION), "Help(&H)");

  std::vector<ACCEL> table(
      static_cast<size_t>(CopyAcceleratorTableA(window.accelerators(), nullptr, 0)));
  CopyAcceleratorTableA(window.accelerators(), table.data(), static_cast<int>(table.size()));
  auto shortcutOf = [&](Cmd command) -> std::pair<BYTE, WORD> {
    for (const ACCEL& accel : table) {
      if (accel.cmd == static_cast<WORD>(command)) {
        return {static_cast<BYTE>(accel.fVirt & ~FNOINVERT), accel.key};
      }
    }
    return {0, 0};
  };
  struct Item {
    Cmd command;
    const char* caption;
    BYTE modifiers;
    WORD key;
  };
  const Item items[] = {
      {Cmd::CleanNow1, "Clean Now\tCtrl+N", FVIRTKEY | FCONTROL, 'N'},
      {Cmd::CleanSettings, "Clean Settings\tCtrl+S", FVIRTKEY | FCONTROL, 'S'},
      {Cmd::CleanOptions, "Clean Options\tCtrl+O", FVIRTKEY | FCONTROL, 'O'},
      {Cmd::exit, "Exit\tCtrl+X", FVIRTKEY | FCONTROL, 'X'},
      {Cmd::CleanRegistry, "Clean Registry", 0, 0},
      {Cmd::SearchandErase, "Search and Erase", 0, 0},
      {Cmd::FileShredder, "File Shredder", 0, 0},
      {Cmd::help1, "Help\tF1", FVIRTKEY, VK_F1},
      {Cmd::OurWebsite, "Our Website\tCtrl+W", FVIRTKEY | FCONTROL, 'W'},
      {Cmd::friend_, "Tell a Friend", 0, 0},
      {Cmd::affiliate, "Become Affiliate", 0, 0},
      {Cmd::about, "About\tCtrl+A", FVIRTKEY | FCONTROL, 'A'},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.caption);
    EXPECT_EQ(caption(bar, static_cast<UINT>(item.command), MF_BYCOMMAND), item.caption);
    EXPECT_EQ(shortcutOf(item.command), std::make_pair(item.modifiers, item.key));
  }

  // The tray menu, top to bottom; "" is a separator.
  const std::vector<std::string> tray = {
      "Murvane On the Web", "Help", "",    "Options", "", "Settings", "", "Restore", "",
      "Clean Now",          "",     "Exit"};
  const HMENU popup = window.trayMenu();
  ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(tray.size()));
  for (size_t i = 0; i < tray.size(); ++i) {
    EXPECT_EQ(caption(popup, static_cast<UINT>(i), MF_BYPOSITION), tray[i]) << i;
  }
}

TEST_F(MainWindowTest, StatusPanelHasItsColumnsButtonsAndToolTip) {
  Load();
  const HWND header =
      reinterpret_cast<HWND>(SendMessageA(Control(Ctl::ListView1), LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 2);
  for (int column = 0; column < 2; ++column) {
    char text[32] = {};
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = sizeof(text);
    SendMessageA(Control(Ctl::ListView1), LVM_GETCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::string(text), column == 0 ? "Item" : "Status");
  }
  EXPECT_EQ(Text(Ctl::Command1), "Start Cleaning >>");
  EXPECT_EQ(Text(Ctl::Command2), "Cancel");
  EXPECT_EQ(SendMessageA(Control(Ctl::coolprogressbar1), PBM_GETRANGE, FALSE, 0), 100);

  // The start button's tool tip.
  struct Search {
    HWND owner;
    HWND tip;
  } search{main().hwnd(), nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        char name[64] = {};
        GetClassNameA(window, name, sizeof(name));
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != s->owner) {
          return TRUE;
        }
        s->tip = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  ASSERT_NE(search.tip, nullptr);
  char tipText[512] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.lpszText = tipText;
  ASSERT_TRUE(SendMessageA(search.tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), Control(Ctl::Command1));
  // The 8-bit queries copy at most 80 characters; the wide one gives it all.
  wchar_t fullText[512] = {};
  TTTOOLINFOW wideTool{};
  wideTool.cbSize = TTTOOLINFOW_V2_SIZE;
  wideTool.hwnd = tool.hwnd;
  wideTool.uId = tool.uId;
  wideTool.lpszText = fullText;
  SendMessageW(search.tip, TTM_GETTEXTW, std::size(fullText), reinterpret_cast<LPARAM>(&wideTool));
  EXPECT_EQ(platform::Narrow(fullText), mainwindow::kCommand1ToolTip);
  EXPECT_EQ(std::string(mainwindow::kCommand1ToolTip),
            "It's highly recommended that you shut down all other programs when erase the "
            "tracks,Kestrane can not erase the files which being used by other programs.");

  // Cancel does nothing at all.
  MessageRecorder messages;
  ClickButton(Ctl::Command2);
  EXPECT_TRUE(Rows().empty());
  EXPECT_TRUE(messages.messages().empty());
}

// About: opened modally from the Help menu; a timer finds it and presses its
// buttons while the modal loop runs.
struct AboutVisit {
  std::string caption;
  std::vector<std::string> texts;
  bool openAfterLicense = false;
  bool ownerDisabled = false;
};
AboutVisit* g_visit = nullptr;

void CALLBACK PressAboutButtons(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND about = FindWindowA("MurvaneFrmabout", nullptr);
  if (!about || !g_visit) return;
  using AboutCtl = mainwindow::Frmabout::Ctl;
  auto control = [&](AboutCtl id) { return GetDlgItem(about, static_cast<int>(id)); };
  g_visit->caption = platform::GetText(about);
  for (AboutCtl id : {AboutCtl::SkinLabel5, AboutCtl::SkinLabel6, AboutCtl::SkinLabel3,
                      AboutCtl::SkinLabel1, AboutCtl::Command4, AboutCtl::Command3}) {
    g_visit->texts.push_back(platform::GetText(control(id)));
  }
  g_visit->ownerDisabled = !IsWindowEnabled(GetWindow(about, GW_OWNER));
  // No License.txt in the program folder: nothing opens, the window stays.
  SendMessageA(control(AboutCtl::Command4), BM_CLICK, 0, 0);
  g_visit->openAfterLicense = IsWindow(about) != FALSE;
  SendMessageA(control(AboutCtl::Command3), BM_CLICK, 0, 0);
}

TEST_F(MainWindowTest, AboutShowsItsTextsAndItsExitShowsTheHiddenMainWindow) {
  mainwindow::FrmMainCode& window = Load();
  ASSERT_FALSE(IsWindowVisible(window.hwnd()));
  AboutVisit visit;
  g_visit = &visit;
  SetTimer(nullptr, 0, 50, &PressAboutButtons);
  Command(Cmd::about);  // returns when the About window has closed
  g_visit = nullptr;

  EXPECT_EQ(visit.caption, "About Murvane");
  EXPECT_EQ(visit.texts, (std::vector<std::string>{
                             "Murvane", "Ver 6.1        Build:6.1.111201",
                             "Kestrane is designed to protect your privacy by cleaning up all the "
                             "unwanted istory data generated by browser.Windows and many third "
                             "party applications.",
                             "", "View License Agreement", "Exit"}));
  EXPECT_TRUE(visit.ownerDisabled);
  EXPECT_TRUE(visit.openAfterLicense);
  EXPECT_EQ(FindWindowA("MurvaneFrmabout", nullptr), nullptr);
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  EXPECT_EQ(programEnded(), 0);
}

}  // namespace
}  // namespace mainwindow_tests
