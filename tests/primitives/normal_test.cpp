#include "primitives/normal.h"

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "platform/process.h"
#include "support/scratch.h"

namespace {

using testing_support::ScratchFolder;
using testing_support::WriteFile;

TEST(NormalExpandUserProfile, ReplacesOnlyTheFirstTokenWithItsCase) {
  const std::string profile = platform::EnvironmentVariable("USERPROFILE").value_or("");
  ASSERT_FALSE(profile.empty());
  struct Case {
    std::string path;
    std::string expected;
  };
  const Case cases[] = {
      {"%USERPROFILE%\\Local Settings", profile + "\\Local Settings"},
      {"C:\\Data\\Cache", "C:\\Data\\Cache"},
      {"x%USERPROFILE%\\AppData", profile + "\\AppData"},
      {"%userprofile%\\AppData", "%userprofile%\\AppData"},
      {"%USERPROFILE%\\a\\%USERPROFILE%", profile + "\\a\\%USERPROFILE%"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(Normal::ExpandUserProfile(c.path), c.expected);
  }
}

TEST(NormalLaunch, HelpPrefersTheViewerThenFallsBackToTheDefaultProgram) {
  ScratchFolder windows;
  ScratchFolder program;
  EXPECT_TRUE(Normal::HelpLaunch(windows.path(), program.path()).commandLine.empty());
  EXPECT_TRUE(Normal::HelpLaunch(windows.path(), program.path()).document.empty());

  WriteFile(program / "help.html", "<html></html>");
  EXPECT_EQ(Normal::HelpLaunch(windows.path(), program.path()).document, program / "help.html");

  WriteFile(program / "help.chm", "chm");
  EXPECT_EQ(Normal::HelpLaunch(windows.path(), program.path()).document, program / "help.chm");

  WriteFile(windows / "hh.exe", "exe");
  const Normal::Launch viewer = Normal::HelpLaunch(windows.path(), program.path());
  EXPECT_EQ(viewer.commandLine,
            "\"" + (windows / "hh.exe") + "\" \"" + (program / "help.chm") + "\"");
}

TEST(NormalLaunch, LicenseOpensInNotepadOrWithTheDefaultProgramOrNotAtAll) {
  ScratchFolder windows;
  ScratchFolder program;
  const Normal::Launch none = Normal::LicenseLaunch(windows.path(), program.path());
  EXPECT_TRUE(none.commandLine.empty() && none.document.empty());

  WriteFile(program / "License.txt", "licence");
  EXPECT_EQ(Normal::LicenseLaunch(windows.path(), program.path()).document,
            program / "License.txt");

  WriteFile(windows / "notepad.exe", "exe");
  EXPECT_EQ(Normal::LicenseLaunch(windows.path(), program.path()).commandLine,
            "\"" + (windows / "notepad.exe") + "\" \"" + (program / "License.txt") + "\"");
}

TEST(NormalDeleteAtRestart, SchedulesTheFileWithoutDeletingIt) {
  ScratchFolder folder;
  const std::string file = folder / "locked.dat";
  WriteFile(file, "x");
  Normal::DeleteFileAtRestart(file);
  EXPECT_TRUE(testing_support::Exists(file));

  platform::RegKey key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager",
                          0, KEY_READ, key.Receive()),
            ERROR_SUCCESS);
  std::vector<char> data(64 * 1024);
  DWORD size = static_cast<DWORD>(data.size());
  ASSERT_EQ(RegQueryValueExA(key.Get(), "PendingFileRenameOperations", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(data.data()), &size),
            ERROR_SUCCESS);
  const std::string operations(data.data(), size);
  EXPECT_NE(operations.find("locked.dat"), std::string::npos);
}

}  // namespace
