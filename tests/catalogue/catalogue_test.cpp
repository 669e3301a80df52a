#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/text.h"
#include "primitives/inifun.h"
#include "support/scratch.h"

namespace {

TEST(Catalogue, HoldsThe140TracksInTheirSections) {
  ASSERT_EQ(catalogue::Tracks().size(), catalogue::kTrackCount);
  std::map<std::string, int> perSection;
  for (const catalogue::Track& track : catalogue::Tracks()) ++perSection[track.section];
  const std::map<std::string, int> expected = {
      {"EXPLORER", 11}, {"FIREFOX", 7},    {"AOL", 4},      {"OPERA", 9},
      {"NETSCAPE", 7},  {"MSN", 4},        {"Mozilla", 4},  {"Maxthon", 5},
      {"Chrome", 6},    {"Safari", 8},     {"WINDOWS", 27}, {"OFFICE", 13},
      {"Custom", 1},    {"Messenger", 17}, {"outlook", 10}, {"mail", 7}};
  EXPECT_EQ(perSection, expected);
}

// Keys are looked up without regard to case, so two tracks whose names differ
// only in case would be one flag in the settings file.
TEST(Catalogue, SectionKeyPairsAndBoxesAreUniqueIgnoringCase) {
  std::set<std::string> pairs;
  std::set<std::string> boxes;
  for (const catalogue::Track& track : catalogue::Tracks()) {
    const std::string pair =
        platform::ToLowerAscii(track.section) + "/" + platform::ToLowerAscii(track.key);
    EXPECT_TRUE(pairs.insert(pair).second) << pair;
    EXPECT_TRUE(boxes.insert(track.box).second) << track.box;
  }
  std::set<std::string> selectAll;
  for (const catalogue::Group& group : catalogue::Groups()) {
    if (*group.selectAllBox) {
      EXPECT_TRUE(selectAll.insert(group.selectAllBox).second);
    }
  }
  EXPECT_EQ(selectAll.size(), 14u);
  EXPECT_EQ(boxes.size() + selectAll.size(), 154u);
}

TEST(Catalogue, FindsTracksUnderTheLetterCasesReadersUse) {
  struct Case {
    const char* section;
    const char* key;
    const char* caption;
  };
  const Case cases[] = {
      {"Opera", "images", "Site Images"},
      {"Netscape", "Cache", "Cache"},
      {"windows", "menuorder", "Start Menu Programs And Favorites Menu Order"},
      {"OFFICE", "Powerpoint", "Microsoft PowerPoint"},
      {"Safari", "History", "History"},
      {"MSN", "location", "Address Bar History"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    const catalogue::Track* track = catalogue::FindTrack(c.section, c.key);
    ASSERT_NE(track, nullptr);
    EXPECT_STREQ(track->caption, c.caption);
  }
  EXPECT_EQ(catalogue::FindTrack("EXPLORER", "nothing"), nullptr);
  EXPECT_STREQ(catalogue::GroupOf(*catalogue::FindTrack("MSN", "Cache")).caption, "MSN Exploer");
}

TEST(CatalogueFlags, WindowRuleReadsNumbersAndPassRuleWantsExactlyOne) {
  struct Case {
    const char* value;
    bool checked;   // settings and options windows
    bool selected;  // cleaning pass
  };
  const Case cases[] = {
      {"1", true, true},      {"01", true, false},    {"1.0", true, false}, {"1.", true, false},
      {"+1", true, false},    {"10e-1", true, false}, {"0", false, false},  {"2", false, false},
      {"-1", false, false},   {"yes", false, false},  {"", false, false},   {"1a", false, false},
      {"0.1e1", true, false}, {".", false, false},    {"1e", false, false}, {"11", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(catalogue::ReadsAsOne(c.value), c.checked);
    EXPECT_EQ(catalogue::IsExactOne(c.value), c.selected);
  }
}

TEST(CatalogueFlags, MaxthonTracksTakeAnyValueThatReadsAsOne) {
  testing_support::ScratchFolder folder;
  const std::string settings = catalogue::SettingsFile(folder.path());
  EXPECT_EQ(settings, folder / "prisd.dat");
  testing_support::WriteFile(settings,
                             "[Maxthon]\r\nkeywords=01\r\npages=0\r\n[Chrome]\r\nCookies=01\r\n"
                             "[Opera]\r\nimages=1\r\n[WINDOWS]\r\nmenuorder=1\r\n");
  const auto selected = [&](const char* section, const char* key) {
    return catalogue::IsTrackSelected(settings, *catalogue::FindTrack(section, key));
  };
  EXPECT_TRUE(selected("Maxthon", "keywords"));
  EXPECT_FALSE(selected("Maxthon", "pages"));
  EXPECT_FALSE(selected("Maxthon", "settings"));  // absent
  EXPECT_FALSE(selected("Chrome", "Cookies"));    // 01 is not "1" for ordinary tracks
  EXPECT_TRUE(selected("OPERA", "Images"));
  EXPECT_TRUE(selected("WINDOWS", "menuorder"));
}

}  // namespace
