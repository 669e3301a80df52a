// Cleaning passes run in the main window: what the status panel, the
// statistics, the settings file and the report show at the end.
#include "main_window_fixture.h"

#include <commctrl.h>

#include "engine/cleaning_pass.h"

namespace mainwindow_tests {
namespace {

using testing_support::MessageRecorder;

const char kOldStatistics[] =
    "[Options]\r\nlastclean=1/1/2001 1:00:00 AM\r\nregnum=1000\r\nfilesize=5000\r\n";
const char kNothingCleaned[] =
    "Task complete Successfully! Cleaned Registry Keys: 0 Released HD Space:0.00MB";

int Progress(HWND bar) {
  return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
}

TEST_F(MainWindowTest, PassWithEveryTrackOffWritesAndShowsOnlyItsOwnStatistics) {
  WriteSettings(AllTracksOff(kOldStatistics));
  MessageRecorder messages;
  mainwindow::FrmMainCode& window = Load();
  ClickPicture(Ctl::Image3);
  ClickButton(Ctl::Command1);

  EXPECT_EQ(Rows(), (std::vector<Row>{{"Task complete Successfully!", ""}}));
  EXPECT_EQ(Progress(Control(Ctl::coolprogressbar1)), 100);
  EXPECT_EQ(Text(Ctl::SkinLabel5), "Task complete Successfully!");
  EXPECT_TRUE(IsWindowEnabled(Control(Ctl::Command1)));

  // The statistics are this pass's alone, not added to the old ones.
  EXPECT_EQ(ReadOption("regnum"), "0");
  EXPECT_EQ(ReadOption("filesize"), "0");
  const std::string lastClean = ReadOption("lastclean");
  EXPECT_NE(lastClean, "1/1/2001 1:00:00 AM");
  EXPECT_FALSE(lastClean.empty());
  EXPECT_EQ(Text(Ctl::Label12), lastClean);
  EXPECT_EQ(Text(Ctl::Label14), "  Cleaned Registry Keys: 0     Released HD Space:0.00MB");
  EXPECT_EQ(window.registryCount(), 0);
  EXPECT_EQ(window.byteCount(), 0);

  ASSERT_EQ(messages.messages().size(), 1u);
  const platform::MessageRequest& box = messages.messages()[0];
  EXPECT_EQ(box.text, kNothingCleaned);
  EXPECT_EQ(box.caption, "Task Complete");
  EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(box.owner, window.hwnd());
  // Every pass that reaches its end shows the main window.
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
}

TEST_F(MainWindowTest, SelectedTracksGetARowEachMarkedDone) {
  WriteSettings("[EXPLORER]\r\nlocation=1\r\nhistory=0\r\n[WINDOWS]\r\nrecent=1\r\nrun=01\r\n");
  MessageRecorder messages;
  Load();
  ClickButton(Ctl::Command1);
  // "01" is not the exact "1" a pass asks for.
  EXPECT_EQ(Rows(), (std::vector<Row>{{"IE Address Bar History", "Done"},
                                      {"Recent Documents History", "Done"},
                                      {"Task complete Successfully!", ""}}));
  EXPECT_EQ(messages.messages().size(), 1u);
}

TEST_F(MainWindowTest, FileCleanNowShowsTheStatusPanelAndCleansAgainFromAnEmptyList) {
  WriteSettings("[WINDOWS]\r\nrecent=1\r\n");
  MessageRecorder messages;
  Load();
  ASSERT_TRUE(Shown(Ctl::Frame2));
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass);
    Command(Cmd::CleanNow1);
    EXPECT_TRUE(Shown(Ctl::Frame4));
    EXPECT_FALSE(Shown(Ctl::Frame2));
    EXPECT_EQ(Rows().size(), 2u);  // the rows of the last pass only
  }
  EXPECT_EQ(messages.messages().size(), 2u);
}

TEST_F(MainWindowTest, ExitAfterCleaningEndsTheProgramAndKeepsTheOldStatistics) {
  WriteSettings(AllTracksOff(std::string(kOldStatistics) + "exit=1\r\n"));
  MessageRecorder messages;
  Load();
  ClickButton(Ctl::Command1);
  EXPECT_EQ(programEnded(), 1);
  EXPECT_EQ(main().hwnd(), nullptr);
  EXPECT_EQ(ReadOption("lastclean"), "1/1/2001 1:00:00 AM");
  EXPECT_EQ(ReadOption("regnum"), "1000");
  EXPECT_EQ(ReadOption("filesize"), "5000");
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainWindowTest, TrayPassReportsByNotificationOnceAndTheNextButtonPassByMessageBox) {
  WriteSettings(AllTracksOff());
  MessageRecorder messages;
  mainwindow::FrmMainCode& window = Load();
  window.Show();
  Command(Cmd::cleannow2);

  EXPECT_TRUE(messages.messages().empty());
  EXPECT_EQ(window.NotifyOnFinish(), 0);
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));  // shown by the pass, hidden by the menu
  const auto& queued = window.notificationQueue().entries();
  ASSERT_EQ(queued.size(), 1u);
  const std::string description =
      "Murvane Clean is done! Cleaned Registry Keys: 0 Released HD Space:0.00MB";
  EXPECT_EQ(queued[0].first, description);  // no merging: keyed by its description
  const notify::cNotificationRequest& request = queued[0].second;
  EXPECT_EQ(request.Key, "www");
  EXPECT_EQ(request.Title, "Murvane");
  EXPECT_EQ(request.Description, description);
  EXPECT_TRUE(request.EnableClickEvent);
  EXPECT_EQ(request.Icon, nullptr);
  EXPECT_EQ(request.SoundFileLocation, folder().path() + "\\Sounds\\Message.wav");

  ClickButton(Ctl::Command1);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, kNothingCleaned);
  EXPECT_EQ(window.notificationQueue().size(), 1u);
}

TEST_F(MainWindowTest, StartsDuringARunningPassAreIgnored) {
  WriteSettings(AllTracksOff());
  mainwindow::FrmMainCode* window = nullptr;
  int reports = 0;
  bool runningAtReport = false;
  // The report comes while the pass is still running: every way to start
  // another pass is tried from there.
  platform::ScopedPrompter prompter([&](const platform::MessageRequest&) {
    ++reports;
    runningAtReport = engine::IsPassRunning();
    Command(Cmd::CleanNow1);
    Command(Cmd::cleannow2);
    ClickButton(Ctl::Command1);
    return IDOK;
  });
  window = &Load();
  window->Show();
  ClickButton(Ctl::Command1);

  EXPECT_TRUE(runningAtReport);
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(window->notificationQueue().empty());
  EXPECT_EQ(window->NotifyOnFinish(), 0);
  EXPECT_TRUE(IsWindowVisible(window->hwnd()));
  EXPECT_FALSE(engine::IsPassRunning());
}

}  // namespace
}  // namespace mainwindow_tests
