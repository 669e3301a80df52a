#include "engine/console_pass.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "engine/cleaning_pass.h"
#include "primitives/inifun.h"
#include "support/scratch.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScratchFolder;
using testing_support::WriteFile;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The report's words with whatever totals the tracks found.
const std::regex kReport(
    "Task complete Successfully! Cleaned Registry Keys: ([0-9]+) Released HD "
    "Space:[0-9]+\\.[0-9]{2}MB");

const char kSettings[] =
    "[EXPLORER]\r\nlocation=1\r\nhistory=0\r\n[WINDOWS]\r\nrecent=1\r\n"
    "[Options]\r\nlastclean=old\r\nregnum=1000\r\nfilesize=5000\r\n";

TEST(ConsolePass, CleanPrintsEachTrackWhenItEndsThenTheReportAndWritesTheStatistics) {
  ScratchFolder folder;
  WriteFile(folder / "prisd.dat", kSettings);
  std::ostringstream out;
  EXPECT_EQ(engine::RunConsolePass(folder.path(), out, false), 0);

  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 3u) << out.str();
  EXPECT_EQ(lines[0], "IE Address Bar History\tDone");
  EXPECT_EQ(lines[1], "Recent Documents History\tDone");
  std::smatch report;
  ASSERT_TRUE(std::regex_match(lines[2], report, kReport)) << lines[2];
  const std::string settings = folder / "prisd.dat";
  EXPECT_EQ(Inifun::ReadIniValue(settings, "Options", "regnum"), report[1].str());
  EXPECT_NE(Inifun::ReadIniValue(settings, "Options", "lastclean"), "old");
}

TEST(ConsolePass, CleanWithNothingSelectedPrintsOnlyTheEmptyReport) {
  ScratchFolder folder;
  std::ostringstream out;
  engine::RunConsolePass(folder.path(), out, false);
  EXPECT_EQ(out.str(),
            "Task complete Successfully! Cleaned Registry Keys: 0 Released HD Space:0.00MB\n");
}

TEST(ConsolePass, ExitAfterCleaningStopsBeforeStatisticsAndReport) {
  ScratchFolder folder;
  WriteFile(folder / "prisd.dat", std::string(kSettings) + "exit=1\r\n");
  const std::string before = ReadFile(folder / "prisd.dat");
  std::ostringstream out;
  EXPECT_EQ(engine::RunConsolePass(folder.path(), out, false), 0);
  EXPECT_EQ(out.str(), "IE Address Bar History\tDone\nRecent Documents History\tDone\n");
  EXPECT_EQ(ReadFile(folder / "prisd.dat"), before);
}

TEST(ConsolePass, PreviewListsTracksAndTotalsAndChangesNoSettings) {
  ScratchFolder folder;
  WriteFile(folder / "prisd.dat", std::string(kSettings) + "exit=1\r\n");
  const std::string before = ReadFile(folder / "prisd.dat");
  std::ostringstream out;
  EXPECT_EQ(engine::RunConsolePass(folder.path(), out, true), 0);

  // Each selected track's caption, the items under it, then the totals; the
  // exit option does not apply to a preview.
  std::vector<std::string> headings;
  for (const std::string& line : Lines(out.str())) {
    if (line.rfind("  ", 0) == 0) continue;
    headings.push_back(line);
  }
  ASSERT_EQ(headings.size(), 3u) << out.str();
  EXPECT_EQ(headings[0], "IE Address Bar History");
  EXPECT_EQ(headings[1], "Recent Documents History");
  EXPECT_TRUE(std::regex_match(headings[2], kReport)) << headings[2];
  EXPECT_EQ(ReadFile(folder / "prisd.dat"), before);
}

TEST(ConsolePass, PreviewPrintsItemsIndentedUnderTheirTrack) {
  std::ostringstream out;
  engine::ConsolePass view(out, true);
  view.AddRow("Windows Temp", "Cleaning Windows Temp ......");
  view.OnItem({allerase::ItemKind::File, L"C:\\users\\u\\Temp\\a.tmp", 1234});
  view.OnItem({allerase::ItemKind::Folder, L"C:\\users\\u\\Temp\\cache", 0});
  view.OnItem({allerase::ItemKind::RegistryTree, L"HKEY_CURRENT_USER\\Software\\X", 0});
  view.OnItem({allerase::ItemKind::RegistryValue, L"HKEY_CURRENT_USER\\Software\\Y\\url1", 0});
  view.OnItem({allerase::ItemKind::Action, L"Empty the recycle bin", 0});
  view.SetRowStatus("Done");
  view.AddRow(engine::kTaskComplete, "");
  view.Report({false, "Task Complete",
               "Task complete Successfully! Cleaned Registry Keys: 6 "
               "Released HD Space:0.00MB",
               ""});
  EXPECT_EQ(out.str(),
            "Windows Temp\n"
            "  file: C:\\users\\u\\Temp\\a.tmp (1234 bytes)\n"
            "  folder: C:\\users\\u\\Temp\\cache (0 bytes)\n"
            "  registry key with its subkeys: HKEY_CURRENT_USER\\Software\\X\n"
            "  registry value: HKEY_CURRENT_USER\\Software\\Y\\url1\n"
            "  action: Empty the recycle bin\n"
            "Task complete Successfully! Cleaned Registry Keys: 6 Released HD Space:0.00MB\n");
}

}  // namespace
