#include "engine/cleaning_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "catalogue/catalogue.h"
#include "platform/text.h"
#include "primitives/inifun.h"
#include "support/recording_view.h"
#include "support/scratch.h"

namespace {

using testing_support::RecordingView;
using testing_support::ScratchFolder;

namespace opt = catalogue::options;

class CleaningPassTest : public ::testing::Test {
 protected:
  CleaningPassTest() {
    environment.programFolder = program.path();
    environment.roaming = profile / "Roaming";
    environment.local = profile / "Local";
    environment.windowsFolder = profile / "Windows";
    environment.documentsFolder = [this] { return profile / "Documents"; };
  }

  std::string Settings() const { return catalogue::SettingsFile(program.path()); }
  std::string Option(const char* key) const {
    return Inifun::ReadIniValue(Settings(), opt::kSection, key);
  }
  void SetAllTracks(const char* value) {
    for (const catalogue::Track& track : catalogue::Tracks()) {
      Inifun::WriteIniValue(Settings(), track.section, track.key, value);
    }
  }

  ScratchFolder program;
  ScratchFolder profile;
  engine::PassEnvironment environment;
  RecordingView view;
};

TEST_F(CleaningPassTest, PassWithNothingSelectedRecordsZeroStatisticsAndOneRow) {
  SetAllTracks("0");
  Inifun::WriteIniValue(Settings(), opt::kSection, opt::kRegNum, "77");
  const engine::PassOutcome outcome = engine::CleanNow(environment, view);

  ASSERT_TRUE(outcome.ran);
  EXPECT_FALSE(outcome.exited);
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].caption, "Task complete Successfully!");
  EXPECT_EQ(view.rows[0].status, "");
  EXPECT_EQ(view.statusLine, "Task complete Successfully!");
  EXPECT_EQ(view.progress.front(), 1);
  EXPECT_EQ(view.progress.back(), 100);

  EXPECT_EQ(Option(opt::kRegNum), "0");
  EXPECT_EQ(Option(opt::kFileSize), "0");
  EXPECT_FALSE(Option(opt::kLastClean).empty());

  ASSERT_EQ(view.reports.size(), 1u);
  EXPECT_FALSE(view.reports[0].byNotification);
  EXPECT_EQ(view.reports[0].title, "Task Complete");
  EXPECT_EQ(view.reports[0].text,
            "Task complete Successfully! Cleaned Registry Keys: 0 Released HD Space:0.00MB");
  ASSERT_EQ(view.statistics.size(), 1u);
  EXPECT_EQ(view.statistics[0].lastClean, Option(opt::kLastClean));
  EXPECT_EQ(view.statistics[0].registryCount, 0);
  EXPECT_EQ(view.statistics[0].sizeText, "0.00");
  EXPECT_EQ(view.beginCount, 1);
  EXPECT_EQ(view.endCount, 1);
  EXPECT_EQ(view.shownCount, 1);
}

TEST_F(CleaningPassTest, ExitOptionEndsTheProgramAndKeepsTheOldStatistics) {
  Inifun::WriteIniValue(Settings(), opt::kSection, opt::kExit, "1");
  Inifun::WriteIniValue(Settings(), opt::kSection, opt::kLastClean, "yesterday");
  Inifun::WriteIniValue(Settings(), opt::kSection, opt::kRegNum, "12");
  Inifun::WriteIniValue(Settings(), opt::kSection, opt::kFileSize, "3456");
  const engine::PassOutcome outcome = engine::CleanNow(environment, view);

  EXPECT_TRUE(outcome.exited);
  EXPECT_EQ(view.exitCount, 1);
  EXPECT_EQ(view.progress.back(), 97);
  EXPECT_TRUE(view.reports.empty());
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(Option(opt::kLastClean), "yesterday");
  EXPECT_EQ(Option(opt::kRegNum), "12");
  EXPECT_EQ(Option(opt::kFileSize), "3456");

  // Only the exact text ends the program.
  Inifun::WriteIniValue(Settings(), opt::kSection, opt::kExit, "01");
  RecordingView second;
  EXPECT_FALSE(engine::CleanNow(environment, second).exited);
  EXPECT_EQ(second.exitCount, 0);
}

TEST_F(CleaningPassTest, NotificationReportCarriesTheResultAndSound) {
  engine::PassRequest request;
  request.notifyOnFinish = true;
  engine::CleanNow(environment, view, request);
  ASSERT_EQ(view.reports.size(), 1u);
  const engine::PassReport& report = view.reports[0];
  EXPECT_TRUE(report.byNotification);
  EXPECT_EQ(report.title, "Murvane");
  EXPECT_EQ(report.text,
            "Murvane Clean is done! Cleaned Registry Keys: 0 Released HD Space:0.00MB");
  EXPECT_EQ(report.soundFile, program / "Sounds\\Message.wav");
}

// A track whose flag is "1" gets its row and ends "Done" even when nothing of
// it exists on this machine; statistics are the last pass's, not a sum.
TEST_F(CleaningPassTest, SelectedTracksEndDoneAndStatisticsAreThoseOfTheLastPass) {
  Inifun::WriteIniValue(Settings(), "Custom", "Custom", "0");
  Inifun::WriteIniValue(Settings(), "WINDOWS", "passwords", "1");
  Inifun::WriteIniValue(Settings(), "FIREFOX", "Cookies", "01");  // not exactly "1"
  engine::CleanNow(environment, view);
  ASSERT_EQ(view.rows.size(), 2u);
  EXPECT_EQ(view.rows[0].caption, "Windows Passwords(Only 9X/Me)");
  EXPECT_EQ(view.rows[0].status, "Done");
  EXPECT_EQ(view.rows[1].caption, "Task complete Successfully!");

  Inifun::WriteIniValue(Settings(), opt::kSection, opt::kRegNum, "500");
  RecordingView second;
  engine::CleanNow(environment, second);
  EXPECT_EQ(Option(opt::kRegNum), "0");
}

TEST(CleaningPassPlan, VisitsEveryTrackOnceInSectionOrder) {
  const std::vector<engine::PlannedTrack> plan = engine::PassPlan();
  std::set<std::string> seen;
  std::vector<std::string> sectionOrder;
  for (const engine::PlannedTrack& track : plan) {
    const std::string section = platform::ToLowerAscii(track.section);
    if (sectionOrder.empty() || sectionOrder.back() != section) sectionOrder.push_back(section);
    if (!track.key) continue;
    ASSERT_NE(catalogue::FindTrack(track.section, track.key), nullptr)
        << track.section << "/" << track.key;
    EXPECT_TRUE(seen.insert(section + "/" + platform::ToLowerAscii(track.key)).second)
        << track.section << "/" << track.key;
    EXPECT_NE(track.caption, nullptr);
  }
  EXPECT_EQ(seen.size(), catalogue::kTrackCount);
  const std::vector<std::string> expected = {
      "explorer", "firefox", "opera",   "netscape",  "aol",    "msn",     "mozilla", "maxthon",
      "chrome",   "safari",  "windows", "messenger", "office", "outlook", "mail",    "custom"};
  EXPECT_EQ(sectionOrder, expected);
}

// Progress values are set whether or not a track runs, so a pass with nothing
// selected still walks the bar through every group's value, in order.
TEST_F(CleaningPassTest, ProgressRisesThroughTheGroupsWithNothingSelected) {
  engine::CleanNow(environment, view);
  for (int value : {1, 12, 16, 20, 24, 28, 32, 43, 48, 55, 62, 70, 80, 97, 100}) {
    EXPECT_NE(std::find(view.progress.begin(), view.progress.end(), value), view.progress.end())
        << value;
  }
  EXPECT_TRUE(std::is_sorted(view.progress.begin(), view.progress.end()));
}

// A view whose message pump starts another pass (a timer or menu handled
// during the first) must not get a pass inside the pass.
TEST_F(CleaningPassTest, PassStartedDuringAPassIsIgnored) {
  struct ReentrantView : RecordingView {
    const engine::PassEnvironment* environment = nullptr;
    std::vector<bool> nestedRan;
    void Pump() override {
      RecordingView inner;
      nestedRan.push_back(engine::CleanNow(*environment, inner).ran);
    }
  } reentrant;
  reentrant.environment = &environment;
  Inifun::WriteIniValue(Settings(), "WINDOWS", "passwords", "1");
  EXPECT_TRUE(engine::CleanNow(environment, reentrant).ran);
  ASSERT_FALSE(reentrant.nestedRan.empty());
  for (bool ran : reentrant.nestedRan) EXPECT_FALSE(ran);
  EXPECT_FALSE(engine::IsPassRunning());
  RecordingView after;
  EXPECT_TRUE(engine::CleanNow(environment, after).ran);
}

TEST(CleaningPassText, SizeAndCountTexts) {
  struct Case {
    double bytes;
    const char* size;
  };
  const Case cases[] = {
      {1.5 * 1048576, "1.50"},         {0, "0.00"},
      {10000.0 * 1048576, "10000.00"}, {3 * 1048576, "3.00"},
      {1048576 / 250.0, "0.00"},       {1048576 / 100.0 * 99, "0.99"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    EXPECT_EQ(engine::SizeText(c.bytes), c.size);
  }
  EXPECT_EQ(engine::CountText(42), "42");
  EXPECT_EQ(engine::CountText(123456789012345.0), "123456789012345");
  EXPECT_EQ(engine::ReportText(42, 3 * 1048576),
            "Task complete Successfully! Cleaned Registry Keys: 42 Released HD Space:3.00MB");
  EXPECT_EQ(engine::StatisticsText(42, 3 * 1048576),
            "  Cleaned Registry Keys: 42     Released HD Space:3.00MB");
}

}  // namespace

namespace {

// A caller that asks for a preview without a sink still gets one that erases
// nothing.
TEST(CleaningPassPreview, PreviewWithoutSinkErasesNothing) {
  ScratchFolder program;
  ScratchFolder profile;
  engine::PassEnvironment environment;
  environment.programFolder = program.path();
  environment.roaming = profile / "Roaming";
  environment.local = profile / "Local";
  environment.documentsFolder = [&] { return profile / "Documents"; };
  const std::string file = profile / "Documents\\Searches\\saved.search-ms";
  testing_support::WriteFile(file, "12345");
  Inifun::WriteIniValue(catalogue::SettingsFile(program.path()), "WINDOWS", "searchfolders", "1");

  RecordingView view;
  engine::PassRequest request;
  request.preview = true;
  const engine::PassOutcome outcome = engine::CleanNow(environment, view, request);
  EXPECT_TRUE(testing_support::Exists(file));
  EXPECT_EQ(outcome.totals.bytes, 5);
  EXPECT_EQ(
      Inifun::ReadIniValue(catalogue::SettingsFile(program.path()), opt::kSection, opt::kRegNum),
      "");
}

}  // namespace
