#include "primitives/inifun.h"

#include <gtest/gtest.h>

#include <random>

#include "support/scratch.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScratchFolder;
using testing_support::WriteFile;

class InifunTest : public ::testing::Test {
 protected:
  ScratchFolder folder;
  std::string file = folder / "prisd.dat";
};

TEST_F(InifunTest, ReadsWhatWasWrittenAndTrimsSpaces) {
  Inifun::WriteIniValue(file, "FIREFOX", "Cookies", "1");
  EXPECT_EQ(Inifun::ReadIniValue(file, "FIREFOX", "Cookies"), "1");
  // Names match without regard to case, as the pass relies on.
  EXPECT_EQ(Inifun::ReadIniValue(file, "firefox", "COOKIES"), "1");

  WriteFile(file, "[Options]\r\nexit= 1 \r\n");
  EXPECT_EQ(Inifun::ReadIniValue(file, "Options", "exit"), "1");
}

TEST_F(InifunTest, MissingFileSectionOrKeyReadsEmpty) {
  EXPECT_EQ(Inifun::ReadIniValue(folder / "absent.dat", "Options", "exit"), "");
  Inifun::WriteIniValue(file, "Options", "exit", "0");
  EXPECT_EQ(Inifun::ReadIniValue(file, "Options", "missing"), "");
  EXPECT_EQ(Inifun::ReadIniValue(file, "Missing", "exit"), "");
}

TEST_F(InifunTest, LongValuesAreCutTo128OnWriteAnd127OnRead) {
  std::string value;
  for (int i = 0; i < 200; ++i) value += static_cast<char>('a' + i % 26);
  Inifun::WriteIniValue(file, "S", "k", value);
  EXPECT_NE(ReadFile(file).find("k=" + value.substr(0, 128) + "\r\n"), std::string::npos)
      << ReadFile(file);
  EXPECT_EQ(Inifun::ReadIniValue(file, "S", "k"), value.substr(0, 127));

  const std::string exact(127, 'x');
  Inifun::WriteIniValue(file, "S", "exact", exact);
  EXPECT_EQ(Inifun::ReadIniValue(file, "S", "exact"), exact);
}

TEST_F(InifunTest, WritingReplacesTheValueUnderAnyLetterCase) {
  Inifun::WriteIniValue(file, "OPERA", "Images", "0");
  Inifun::WriteIniValue(file, "Opera", "images", "1");
  EXPECT_EQ(Inifun::ReadIniValue(file, "OPERA", "Images"), "1");
  const std::string text = ReadFile(file);
  EXPECT_EQ(text.find("[Opera]"), std::string::npos) << text;
}

TEST_F(InifunTest, SectionLinesComeInFileOrderOrUnallocated) {
  WriteFile(file, "[regtree]\r\na=1\r\nb=2\r\nc=3\r\n[empty]\r\n[other]\r\nx=9\r\n");
  const Inifun::SectionLines lines = Inifun::ReadIniSection("regtree", file);
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (std::vector<std::string>{"a=1", "b=2", "c=3"}));

  EXPECT_FALSE(Inifun::ReadIniSection("missing", file).has_value());
  EXPECT_FALSE(Inifun::ReadIniSection("empty", file).has_value());
  EXPECT_FALSE(Inifun::ReadIniSection("regtree", folder / "absent.dat").has_value());
  EXPECT_TRUE(Inifun::IsArraryEmpty(Inifun::ReadIniSection("missing", file)));
  EXPECT_FALSE(Inifun::IsArraryEmpty(lines));
}

TEST_F(InifunTest, WindowsVersionIsMajorPointMinor) {
  const std::string version = Inifun::GetWindowsVersion();
  ASSERT_GE(version.size(), 3u);
  const size_t point = version.find('.');
  ASSERT_NE(point, std::string::npos);
  EXPECT_EQ(version.find_first_not_of("0123456789."), std::string::npos) << version;
  EXPECT_NE(point, 0u);
  EXPECT_NE(point, version.size() - 1);
}

// Hostile files must read as the profile functions read them, without a crash
// or a hang, and the next write must still work.
TEST_F(InifunTest, HostileFilesReadWithoutHarm) {
  std::mt19937 random(42);
  std::string noise(64 * 1024, '\0');
  for (char& c : noise) c = static_cast<char>(random() & 0xFF);

  const std::string longLine(100000, 'v');
  struct Case {
    const char* name;
    std::string bytes;
    const char* section;
    const char* key;
    std::string expected;
  };
  const Case cases[] = {
      {"random bytes", noise, "Options", "exit", ""},
      {"100,000-character value", "[S]\r\nk=" + longLine + "\r\n", "S", "k",
       longLine.substr(0, 127)},
      {"100,000-character key line", "[S]\r\n" + longLine + "\r\nk=1\r\n", "S", "k", "1"},
      {"no final newline", "[S]\r\nk=1", "S", "k", "1"},
      {"duplicate sections", "[S]\r\nk=1\r\n[S]\r\nk=2\r\n", "S", "k", "1"},
      {"duplicate keys", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(file, c.bytes);
    EXPECT_EQ(Inifun::ReadIniValue(file, c.section, c.key), c.expected);
    Inifun::ReadIniSection(c.section, file);
    Inifun::WriteIniValue(file, "Options", "regnum", "42");
    EXPECT_EQ(Inifun::ReadIniValue(file, "Options", "regnum"), "42");
  }
}

TEST_F(InifunTest, SectionOfAHundredThousandCharactersIsCutNotOverrun) {
  WriteFile(file, "[S]\r\nk=" + std::string(100000, 'v') + "\r\nz=1\r\n");
  const Inifun::SectionLines lines = Inifun::ReadIniSection("S", file);
  ASSERT_TRUE(lines.has_value());
  for (const std::string& line : *lines) EXPECT_LT(line.size(), 32767u);
}

}  // namespace
