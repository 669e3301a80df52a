#include "primitives/regfun.h"

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "support/scratch.h"

namespace {

using testing_support::MessageRecorder;
using testing_support::ScratchKey;

void SetRaw(const ScratchKey& key, const char* name, DWORD type, const void* data, DWORD size) {
  platform::RegKey handle;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.subkey().c_str(), 0, KEY_WRITE, handle.Receive()),
            ERROR_SUCCESS);
  RegSetValueExA(handle.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
}

void SetString(const ScratchKey& key, const char* name, const std::string& value) {
  SetRaw(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

TEST(RegfunRoots, NamesMapToPredefinedRootsExactly) {
  EXPECT_EQ(regfun::GetRootKey("HKEY_CURRENT_USER"), HKEY_CURRENT_USER);
  EXPECT_EQ(regfun::GetRootKey("HKEY_LOCAL_MACHINE"), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(regfun::GetRootKey("HKEY_DYN_DATA"), HKEY_DYN_DATA);
  EXPECT_EQ(regfun::GetRootKey("hkey_current_user"), nullptr);
  EXPECT_EQ(regfun::GetRootKey("HKCU"), nullptr);
}

TEST(RegfunSplit, SplitsRootAndSubkey) {
  MessageRecorder messages;
  std::string path = "HKEY_CURRENT_USER\\Software\\Microsoft";
  HKEY root = nullptr;
  EXPECT_TRUE(regfun::SplitRegPath(path, root));
  EXPECT_EQ(root, HKEY_CURRENT_USER);
  EXPECT_EQ(path, "Software\\Microsoft");

  path = "HKEY_CURRENT_USER";
  root = nullptr;
  EXPECT_TRUE(regfun::SplitRegPath(path, root));
  EXPECT_EQ(root, HKEY_CURRENT_USER);
  EXPECT_EQ(path, "");
  EXPECT_TRUE(messages.messages().empty());
}

TEST(RegfunSplit, MalformedPathShowsFormatMessageAndChangesNothing) {
  const char* malformed[] = {"HKEY_CURRENT_USER\\Software\\", "Software\\Microsoft",
                             "hkey_current_user\\Software", ""};
  for (const char* text : malformed) {
    SCOPED_TRACE(text);
    MessageRecorder messages;
    std::string path = text;
    HKEY root = HKEY_LOCAL_MACHINE;
    EXPECT_FALSE(regfun::SplitRegPath(path, root));
    EXPECT_EQ(path, text);
    EXPECT_EQ(root, HKEY_LOCAL_MACHINE);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, std::string("Incorrect Format:\n\n") + text);
    EXPECT_EQ(messages.messages()[0].style & 0xF, static_cast<UINT>(MB_OK));
  }
}

TEST(RegfunRead, ReadsStringValuesAndFailureTexts) {
  ScratchKey key;
  SetString(key, "Start Page", "http://www.example.com/");
  SetString(key, "Padded", "  lead and trail  ");
  SetString(key, "Empty", "");
  SetRaw(key, "NoData", REG_SZ, nullptr, 0);
  SetRaw(key, "NotEnded", REG_SZ, "abc", 3);
  SetString(key, "Longest", std::string(254, 'x'));
  SetString(key, "TooLong", std::string(300, 'x'));

  struct Case {
    const char* value;
    std::string expected;
  };
  const Case cases[] = {
      {"Start Page", "http://www.example.com/"},
      {"Padded", "lead and trail  "},  // leading blanks go; the NUL shields trailing ones
      {"Empty", ""},
      {"NoData", ""},
      {"NotEnded", "abc"},
      {"Longest", std::string(254, 'x')},
      {"TooLong", "Error"},
      {"Missing", "Error"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(regfun::ReadRegString(key.FullPath(), c.value), c.expected);
  }
  EXPECT_EQ(regfun::ReadRegString(key.FullPath() + "\\Absent", "Start Page"), "Error");
}

TEST(RegfunRead, UnknownRootGivesNoValueWithoutMessage) {
  MessageRecorder messages;
  EXPECT_FALSE(regfun::ReadRegString("HKEY_NOWHERE\\Software", "x").has_value());
  EXPECT_TRUE(messages.messages().empty());
}

TEST(RegfunRead, TrailingBackslashShowsMessageAndGivesNoValue) {
  MessageRecorder messages;
  EXPECT_FALSE(regfun::ReadRegString("HKEY_CURRENT_USER\\Software\\", "x").has_value());
  EXPECT_EQ(messages.messages().size(), 1u);
}

TEST(RegfunRead, ReadRegValueCutsAtNulAndReportsType) {
  ScratchKey key;
  SetString(key, "Url", "http://a.example/");
  const char multi[] = "first\0second\0";
  SetRaw(key, "Multi", REG_MULTI_SZ, multi, sizeof(multi));
  SetString(key, "TooLong", std::string(300, 'y'));

  DWORD type = 0;
  EXPECT_EQ(regfun::ReadRegValue(HKEY_CURRENT_USER, key.subkey(), "Url", &type),
            "http://a.example/");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(regfun::ReadRegValue(HKEY_CURRENT_USER, key.subkey(), "Multi", &type), "first");
  EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(regfun::ReadRegValue(HKEY_CURRENT_USER, key.subkey(), "Missing"), "error");
  EXPECT_EQ(regfun::ReadRegValue(HKEY_CURRENT_USER, key.subkey(), "TooLong"), "error");
  EXPECT_EQ(regfun::ReadRegValue(HKEY_CURRENT_USER, key.subkey() + "\\Absent", "Url"), "error");
}

TEST(RegfunWrite, WritesIntoExistingKeysOnly) {
  ScratchKey key;
  regfun::WriteRegString(key.FullPath(), "Window Title", "Private");
  EXPECT_EQ(regfun::ReadRegString(key.FullPath(), "Window Title"), "Private");
  EXPECT_EQ(regfun::ReadRegValue(HKEY_CURRENT_USER, key.subkey(), "Window Title"), "Private");

  regfun::WriteRegString(key.FullPath() + "\\Absent", "Window Title", "x");
  platform::RegKey absent;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, (key.subkey() + "\\Absent").c_str(), 0, KEY_READ,
                          absent.Receive()),
            ERROR_SUCCESS);

  regfun::CreateRegKey(key.FullPath() + "\\Made\\Deep");
  regfun::WriteRegString(key.FullPath() + "\\Made\\Deep", "v", "1");
  EXPECT_EQ(regfun::ReadRegString(key.FullPath() + "\\Made\\Deep", "v"), "1");
}

// After a malformed path, a write must not fall back on the root an earlier
// call found and create a key named after the malformed text there.
TEST(RegfunWrite, MalformedPathAfterGoodOneWritesNothing) {
  MessageRecorder messages;
  ScratchKey key;
  regfun::WriteRegString(key.FullPath(), "v", "1");
  const std::string malformed = key.subkey() + "\\Child\\";
  regfun::CreateRegKey(malformed);
  regfun::WriteRegString(malformed, "v", "2");
  platform::RegKey child;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, (key.subkey() + "\\Child").c_str(), 0, KEY_READ,
                          child.Receive()),
            ERROR_SUCCESS);
  EXPECT_EQ(messages.messages().size(), 2u);
}

TEST(RegfunText, StripNullsCutsAtFirstNul) {
  EXPECT_EQ(regfun::StripNulls(std::string("abc\0def", 7)), "abc");
  EXPECT_EQ(regfun::StripNulls("abc"), "abc");
  EXPECT_EQ(regfun::StripNulls(std::string("\0x", 2)), "");
}

}  // namespace
