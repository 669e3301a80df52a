#include "main_window_fixture.h"

#include <commctrl.h>

#include <map>

#include "catalogue/catalogue.h"
#include "primitives/inifun.h"

namespace mainwindow_tests {

MainWindowTest::MainWindowTest() {
  static const bool controlsReady = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)controlsReady;
}

MainWindowTest::~MainWindowTest() = default;

void MainWindowTest::WriteSettings(const std::string& text) const {
  testing_support::WriteFile(SettingsFile(), text);
}

std::string MainWindowTest::ReadOption(const std::string& key) const {
  return Inifun::ReadIniValue(SettingsFile(), catalogue::options::kSection, key);
}

mainwindow::FrmMainCode& MainWindowTest::Load(const std::string& commandLine) {
  main_ =
      std::make_unique<mainwindow::FrmMainCode>(mainwindow::Program{folder_.path(), commandLine});
  main_->SetHooks({[this] { ++splashUnloaded_; }, [this] { ++programEnded_; }});
  EXPECT_TRUE(main_->Load());
  return *main_;
}

std::string MainWindowTest::Text(Ctl control) const {
  return platform::GetText(Control(control));
}

bool MainWindowTest::Shown(Ctl control) const {
  return (GetWindowLongPtrA(Control(control), GWL_STYLE) & WS_VISIBLE) != 0;
}

LRESULT MainWindowTest::Command(Cmd command) {
  return SendMessageA(main_->hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0);
}

void MainWindowTest::ClickPicture(Ctl picture) {
  SendMessageA(Control(picture), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(Control(picture), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

void MainWindowTest::ClickButton(Ctl button) {
  SendMessageA(Control(button), BM_CLICK, 0, 0);
}

void MainWindowTest::MouseOver(Ctl control) {
  SendMessageA(Control(control), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
}

void MainWindowTest::TrayCallback(int mouseMessage) {
  SendMessageA(main_->hwnd(), WM_MOUSEMOVE, 1, MAKELPARAM(mouseMessage, 0));
}

std::vector<Row> MainWindowTest::Rows() const {
  const HWND list = Control(Ctl::ListView1);
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  std::vector<Row> rows;
  for (int i = 0; i < count; ++i) {
    Row row;
    for (int column = 0; column < 2; ++column) {
      char text[512] = {};
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      (column == 0 ? row.item : row.status) = text;
    }
    rows.push_back(row);
  }
  return rows;
}

std::string AllTracksOff(const std::string& extra) {
  std::map<std::string, std::string> sections;
  std::vector<std::string> order;
  for (const catalogue::Track& track : catalogue::Tracks()) {
    if (!sections.count(track.section)) order.push_back(track.section);
    sections[track.section] += std::string(track.key) + "=0\r\n";
  }
  std::string text;
  for (const std::string& section : order) text += "[" + section + "]\r\n" + sections[section];
  return text + extra;
}

}  // namespace mainwindow_tests
