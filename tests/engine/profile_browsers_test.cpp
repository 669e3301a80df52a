// The profile-browser tracks, run through whole passes on a user profile that
// holds the folders of every such browser, with files of similar names next
// to the ones a track means.
#include <gtest/gtest.h>

#include "platform/win.h"
#include "support/track_profile.h"

namespace {

using testing_support::AllGone;
using testing_support::CollectingSink;
using testing_support::PassResult;
using testing_support::SizeOf;
using testing_support::TrackCase;
using testing_support::UserProfile;

constexpr int kNone = engine::kNoProgress;

const std::string kFirefox = "Roaming\\Mozilla\\Firefox\\Profiles\\";
const std::string kFirefoxLocal = "Local\\Mozilla\\Firefox\\Profiles\\";
const std::string kFox1 = kFirefox + "a1b2c3.default\\";
const std::string kFox2 = kFirefox + "x9y8z7.work\\";
const std::string kFoxCache1 = kFirefoxLocal + "a1b2c3.default\\Cache";
const std::string kFoxCache2 = kFirefoxLocal + "x9y8z7.work\\cache";
const std::string kOpera = "Roaming\\Opera\\Opera\\";
const std::string kOperaLocal = "Local\\Opera\\Opera\\";
const std::string kNsb = "Roaming\\Netscape\\NSB\\Profiles\\default\\ab12.slt\\";
const std::string kNavigator = "Roaming\\Netscape\\Navigator\\Profiles\\default\\cd34.slt\\";
const std::string kMozilla = "Roaming\\Mozilla\\Profiles\\default\\ef56.slt\\";
const std::string kMaxthon = "Maxthon2\\";
const std::string kMaxthonConfig = kMaxthon + "SharedAccount\\Config\\Config.ini";
const std::string kMaxthonData = kMaxthon + "SharedAccount\\Data\\";
const std::string kMaxthonDownloads = kMaxthon + "SharedAccount\\Downloads";
const std::string kChrome = "Local\\Google\\Chrome\\User Data\\Default\\";
const std::string kSafari = "Roaming\\Apple Computer\\Safari\\";
const std::string kSafariLocal = "Local\\Apple Computer\\Safari\\";

constexpr const char* kMaxthonUninstall =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Maxthon2";

struct ProfileOptions {
  bool nsb = true;                // Netscape's NSB profiles beside Navigator's
  bool maxthonRegistered = true;  // Maxthon's install location in the registry
};

// Every browser of this family as a user of it would leave it.
void BuildBrowserProfile(UserProfile& profile, ProfileOptions options = {}) {
  // Firefox: two profiles; the look-alikes next to the real files must stay.
  profile.AddFiles(kFox1, {"places.sqlite", "cookies.sqlite", "downloads.sqlite", "key3.db",
                           "places.sqlite-journal", "cookies.sqlite.bak", "prefs.js"});
  profile.AddFiles(kFox1 + "bookmarkbackups", {"Places.sqlite", "bookmarks-2009-05-01.json"});
  profile.AddFiles(kFox1 + "cache", {"stale.bin"});  // roaming: the cache track looks locally
  profile.AddFiles(kFox2, {"places.sqlite", "cookies.sqlite", "downloads.sqlite", "key3.db"});
  profile.AddFiles("Roaming\\Mozilla\\Firefox", {"cookies.sqlite", "profiles.ini"});
  profile.AddFolder(kFoxCache1);
  profile.AddFiles(kFoxCache1, {"_CACHE_MAP_", "_CACHE_001_"});
  profile.AddFiles(kFoxCache1 + "\\0\\A1", {"entry1"});
  profile.AddFolder(kFirefoxLocal + "a1b2c3.default\\cache2");
  profile.AddFiles(kFirefoxLocal + "a1b2c3.default\\cache2\\entries", {"e1"});
  profile.AddFiles(kFirefoxLocal + "a1b2c3.default\\startupCache", {"startupCache.4.little"});
  profile.AddFolder(kFoxCache2);
  profile.AddFiles(kFoxCache2, {"_CACHE_MAP_"});
  profile.AddFiles(kFirefoxLocal + "x9y8z7.work\\OfflineCache", {"index.sqlite"});

  // Opera: sessions folders at two depths; a roaming "cache" the cache track
  // must not take; local copies of roaming names.
  profile.AddFiles(kOpera,
                   {"typed_history.xml", "cookies4.dat", "global_history.dat", "download.dat",
                    "bookmarks.adr", "wand.dat", "operaprefs.ini", "opera6.adr"});
  profile.AddFolder(kOpera + "sessions");
  profile.AddFiles(kOpera + "sessions", {"autosave.win", "autosave.win.bak"});
  profile.AddFiles(kOpera + "sessions\\old", {"x.win"});
  profile.AddFolder(kOpera + "profile\\sessions");
  profile.AddFiles(kOpera + "profile\\sessions", {"s.win"});
  profile.AddFiles(kOpera + "cache", {"rc.dat"});
  profile.AddFolder(kOperaLocal + "cache");
  profile.AddFiles(kOperaLocal + "cache", {"opr00001.tmp"});
  profile.AddFiles(kOperaLocal + "cache\\g_0001", {"opr00002.tmp"});
  profile.AddFolder(kOperaLocal + "thumbnails");
  profile.AddFiles(kOperaLocal + "thumbnails", {"t1.png"});
  profile.AddFiles(kOperaLocal, {"typed_history.xml"});
  profile.AddFiles(kOperaLocal + "icons", {"i.ico"});

  // Netscape: the same files under NSB and Navigator.
  if (options.nsb) {
    profile.AddFiles(kNsb, {"history.dat", "cookies.txt", "localstore.rdf", "downloads.rdf",
                            "bookmarks.html", "signons2.txt", "signons.txt", "prefs.js"});
    profile.AddFolder(kNsb + "Cache");
    profile.AddFiles(kNsb + "Cache", {"c1"});
    profile.AddFiles(kNsb + "Cache\\sub", {"c2"});
    profile.AddFiles("Roaming\\Netscape\\NSB", {"history.dat"});
  }
  profile.AddFiles(kNavigator, {"history.dat", "cookies.txt", "localstore.rdf", "downloads.rdf",
                                "bookmarks.html", "signons2.txt", "signons.txt", "prefs.js"});
  profile.AddFolder(kNavigator + "Cache");
  profile.AddFiles(kNavigator + "Cache", {"c1"});

  // The Mozilla suite.
  profile.AddFiles(kMozilla, {"history.dat", "cookies.txt", "localstore.rdf", "prefs.js"});
  profile.AddFolder(kMozilla + "Cache");
  profile.AddFiles(kMozilla + "Cache", {"_CACHE_MAP_"});
  profile.AddFiles(kMozilla + "chrome", {"userChrome.css"});

  // Maxthon, installed in the scratch folder.
  profile.ClaimKey(kMaxthonUninstall);
  if (options.maxthonRegistered) {
    testing_support::SetRegString(kMaxthonUninstall, "InstallLocation",
                                  profile.Path("Maxthon2") + "  ");
  }
  profile.AddIniSection(kMaxthonConfig, "TypedUrls");
  profile.AddIniSection(kMaxthonConfig, "General");
  profile.TrackFile(kMaxthonConfig);
  profile.AddFiles(kMaxthonData, {"Dynamic.ini", "history2.dat", "LastSession.ini",
                                  "TmpSession.ini", "Favorite.dat"});
  profile.AddFiles(kMaxthonData + "Backup", {"history2.dat"});
  profile.AddFolder(kMaxthonDownloads);
  profile.AddFiles(kMaxthonDownloads, {"setup.exe"});
  profile.AddFolder(kMaxthonDownloads + "\\music");
  profile.AddFiles(kMaxthonDownloads + "\\music", {"song.mp3"});
  profile.AddFiles(kMaxthon, {"Maxthon.exe"});

  // Chrome: a History file in a subfolder of Default too; another profile
  // beside Default.
  profile.AddFiles(kChrome, {"History", "Cookies", "Web Data", "Current Session", "Last Session",
                             "Top Sites", "History-journal", "Cookies-journal", "Bookmarks",
                             "History Provider Cache", "Preferences"});
  profile.AddFiles(kChrome + "Extensions\\abcdef\\1.0", {"History"});
  profile.AddFolder(kChrome + "Cache");
  profile.AddFiles(kChrome + "Cache", {"data_0", "data_1", "index"});
  profile.AddFolder(kChrome + "Cache\\sub");
  profile.AddFiles(kChrome + "Cache\\sub", {"f_000001"});
  profile.AddFiles("Local\\Google\\Chrome\\User Data\\Profile 1", {"History", "Cookies"});
  profile.AddFiles("Local\\Google\\Chrome\\User Data", {"Local State"});

  // Safari: subfolders of the single folders its tracks clean.
  profile.AddFiles(kSafari, {"History.plist", "LastSession.plist", "TopSites.plist",
                             "Downloads.plist", "Form Values.plist", "Bookmarks.plist"});
  profile.AddFiles(kSafari + "Cookies", {"Cookies.plist"});
  profile.AddFiles(kSafari + "Cookies\\Old", {"Cookies.plist"});
  profile.AddFiles(kSafari + "Preferences", {"keychain.plist"});
  profile.AddFiles(kSafari + "Backup", {"History.plist"});
  profile.AddFiles("Roaming\\Apple Computer\\Preferences",
                   {"com.apple.Safari.plist", "com.apple.other.plist"});
  profile.AddFiles(kSafariLocal, {"Cache.db", "WebpageIcons.db"});
  profile.AddFiles(kSafariLocal + "History", {"h1.plist", "h2.plist"});
  profile.AddFiles(kSafariLocal + "History\\2009", {"h3.plist"});
  profile.AddFiles(kSafariLocal + "Webpage Previews", {"p1.png", "p2.png"});
  profile.AddFiles(kSafariLocal + "Webpage Previews\\old", {"p3.png"});
}

// Every track of the family in pass order, with what it erases from the
// profile above.
std::vector<TrackCase> BrowserCases() {
  const std::vector<std::string> places = {kFox1 + "places.sqlite", kFox2 + "places.sqlite"};
  const std::vector<std::string> configIni = {kMaxthonConfig, kMaxthonConfig + "[TypedUrls]",
                                              kMaxthonConfig + "[General]"};
  auto plus = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const std::vector<std::string> chromeHistory = {kChrome + "History",
                                                  kChrome + "Extensions\\abcdef\\1.0\\History"};
  return {
      {"FIREFOX", "Address", "Firefox Address Bar History", 12, places},
      {"FIREFOX",
       "Cookies",
       "Firefox Cookies",
       12,
       {kFox1 + "cookies.sqlite", kFox2 + "cookies.sqlite"}},
      {"FIREFOX",
       "cache",
       "Firefox Cache",
       13,
       {kFoxCache1, kFoxCache1 + "\\_CACHE_MAP_", kFoxCache1 + "\\_CACHE_001_",
        kFoxCache1 + "\\0\\A1\\entry1", kFoxCache2, kFoxCache2 + "\\_CACHE_MAP_"}},
      {"FIREFOX", "History", "Firefox History Files", 14, places},
      {"FIREFOX",
       "Download",
       "Firefox Download Manager History",
       15,
       {kFox1 + "downloads.sqlite", kFox2 + "downloads.sqlite"}},
      {"FIREFOX", "bookmarks", "Firefox Bookmarks Files", 15, places},
      {"FIREFOX",
       "passwords",
       "Firefox Saved Passwords",
       kNone,
       {kFox1 + "key3.db", kFox2 + "key3.db"}},

      {"Opera", "Address", "Opera Address Bar History", 16, {kOpera + "typed_history.xml"}},
      {"Opera", "Cookies", "Opera Cookies", 17, {kOpera + "cookies4.dat"}},
      {"Opera",
       "cache",
       "Opera Cache",
       18,
       {kOperaLocal + "cache", kOperaLocal + "cache\\opr00001.tmp",
        kOperaLocal + "cache\\g_0001\\opr00002.tmp"}},
      {"Opera", "History", "Opera History Files", 19, {kOpera + "global_history.dat"}},
      {"Opera", "downloads", "Opera Download History", kNone, {kOpera + "download.dat"}},
      {"Opera",
       "Sessions",
       "Opera Sessions Files",
       kNone,
       {kOpera + "sessions", kOpera + "sessions\\autosave.win",
        kOpera + "sessions\\autosave.win.bak", kOpera + "sessions\\old\\x.win",
        kOpera + "profile\\sessions", kOpera + "profile\\sessions\\s.win"}},
      {"Opera",
       "Images",
       "Opera Site Image Files",
       kNone,
       {kOperaLocal + "thumbnails", kOperaLocal + "thumbnails\\t1.png"}},
      {"Opera", "Bookmarks", "Opera Bookmarks", kNone, {kOpera + "bookmarks.adr"}},
      {"Opera", "Passwords", "Opera Passwords", kNone, {kOpera + "wand.dat"}},

      {"Netscape", "Location", "Netscape Address Bar History", 20, {kNsb + "history.dat"}},
      {"Netscape", "Cookies", "Netscape Cookies", 21, {kNsb + "cookies.txt"}},
      {"Netscape",
       "Cache",
       "Netscape Cache",
       22,
       {kNsb + "Cache", kNsb + "Cache\\c1", kNsb + "Cache\\sub\\c2", kNsb + "localstore.rdf"}},
      {"Netscape", "History", "Netscape History Files", 23, {kNsb + "history.dat"}},
      {"Netscape",
       "download",
       "Netscape Download Manager History",
       kNone,
       {kNsb + "downloads.rdf"}},
      {"Netscape", "bookmarks", "Netscape Bookmarks", kNone, {kNsb + "bookmarks.html"}},
      {"Netscape",
       "passwords",
       "Netscape Saved Passwords",
       kNone,
       {kNsb + "signons2.txt", kNsb + "signons.txt"}},

      {"Mozilla", "Address", "Mozilla Address Bar History", 32, {kMozilla + "history.dat"}},
      {"Mozilla", "Cookies", "Mozilla Cookies", kNone, {kMozilla + "cookies.txt"}},
      {"Mozilla",
       "cache",
       "Mozilla Cache",
       kNone,
       {kMozilla + "localstore.rdf", kMozilla + "Cache", kMozilla + "Cache\\_CACHE_MAP_"}},
      {"Mozilla", "History", "Mozilla History Files", kNone, {kMozilla + "history.dat"}},

      // The INI section goes; the file stays and nothing is counted.
      {"Maxthon", "keywords", "Maxthon Typed Urls", kNone, {kMaxthonConfig + "[TypedUrls]"}},
      {"Maxthon", "pages", "Maxthon information about open pages", kNone,
       plus({kMaxthonData + "Dynamic.ini"}, configIni)},
      {"Maxthon", "settings", "Maxthon settings", kNone, configIni},
      {"Maxthon",
       "groups",
       "Maxthon History Files",
       kNone,
       {kMaxthonData + "history2.dat", kMaxthonData + "LastSession.ini",
        kMaxthonData + "TmpSession.ini"}},
      // The folder itself is made again, empty.
      {"Maxthon",
       "folder",
       "Maxthon information about open pages",
       kNone,
       {kMaxthonDownloads + "\\setup.exe", kMaxthonDownloads + "\\music",
        kMaxthonDownloads + "\\music\\song.mp3"}},

      {"Chrome", "download", "Chrome download History", kNone, chromeHistory},
      {"Chrome", "Cookies", "Chrome Cookies", kNone, {kChrome + "Cookies"}},
      // Files only: the Cache folder and its subfolder stay.
      {"Chrome",
       "Cache",
       "Chrome Cache",
       kNone,
       {kChrome + "Cache\\data_0", kChrome + "Cache\\data_1", kChrome + "Cache\\index",
        kChrome + "Cache\\sub\\f_000001"}},
      {"Chrome", "History", "Chrome History", kNone, chromeHistory},
      {"Chrome", "Forms", "Chrome Forms Data/Saved passwords", kNone, {kChrome + "Web Data"}},
      {"Chrome",
       "Session",
       "Chrome Session",
       kNone,
       {kChrome + "Last Session", kChrome + "Current Session", kChrome + "Top Sites"}},

      {"Safari",
       "History",
       "Safari History",
       kNone,
       {kSafariLocal + "History\\h1.plist", kSafariLocal + "History\\h2.plist",
        kSafari + "History.plist"}},
      {"Safari",
       "pages",
       "Safari Information about open pages",
       kNone,
       {kSafari + "LastSession.plist", kSafari + "TopSites.plist"}},
      {"Safari",
       "Cache",
       "Safari Cache",
       kNone,
       {kSafariLocal + "Cache.db", kSafariLocal + "WebpageIcons.db"}},
      {"Safari", "Cookies", "Safari Cookies", kNone, {kSafari + "Cookies\\Cookies.plist"}},
      {"Safari", "download", "Safari Download information", kNone, {kSafari + "Downloads.plist"}},
      {"Safari",
       "Autocomplete",
       "Safari Autocomplete",
       kNone,
       {kSafari + "Form Values.plist", kSafari + "Preferences\\keychain.plist"}},
      {"Safari",
       "Images",
       "Safari Webpage Preview Images",
       kNone,
       {kSafariLocal + "Webpage Previews\\p1.png", kSafariLocal + "Webpage Previews\\p2.png"}},
      {"Safari",
       "RecentSearches",
       "Safari Recent Searches",
       kNone,
       {"Roaming\\Apple Computer\\Preferences\\com.apple.Safari.plist"}},
  };
}

TEST(ProfileBrowserTracks, EachTrackAloneErasesExactlyItsItems) {
  const std::vector<TrackCase> cases = BrowserCases();
  ASSERT_EQ(cases.size(), 46u);
  int standing = kNone;
  for (const TrackCase& track : cases) {
    SCOPED_TRACE(std::string(track.section) + "/" + track.key);
    if (track.progress != kNone) standing = track.progress;
    UserProfile profile;
    BuildBrowserProfile(profile);
    testing_support::ExpectTrackAlone(profile, track, standing);
  }
}

TEST(ProfileBrowserTracks, EachTrackAloneWithoutTheBrowserErasesNothingAndEndsDone) {
  for (const TrackCase& track : BrowserCases()) {
    SCOPED_TRACE(std::string(track.section) + "/" + track.key);
    UserProfile profile;
    profile.ClaimKey(kMaxthonUninstall);
    TrackCase empty = track;
    empty.gone.clear();
    testing_support::ExpectTrackAlone(
        profile, empty,
        track.progress != kNone ? track.progress
                                : testing_support::ProgressBefore(track.section, track.key));
  }
}

// The bytes of one section of an INI file as it stands, header included.
double SectionBytes(const UserProfile& profile, const std::string& file,
                    const std::string& section) {
  const std::string text = testing_support::ReadFile(profile.Path(file));
  const size_t start = text.find("[" + section + "]");
  if (start == std::string::npos) return 0;
  const size_t next = text.find('[', start + 1);
  return static_cast<double>((next == std::string::npos ? text.size() : next) - start);
}

// All of them at once: rows in pass order, and a file that several tracks
// erase (places.sqlite, Chrome's History, Maxthon's Config.ini) is counted
// once, by the first track that finds it. Maxthon's Config.ini has lost its
// typed URLs by the time the open-pages track counts it.
TEST(ProfileBrowserTracks, AllSelectedRunInPassOrderAndCountEachFileOnce) {
  UserProfile profile;
  BuildBrowserProfile(profile);
  const std::vector<TrackCase> cases = BrowserCases();
  for (const TrackCase& track : cases) profile.Select(track.section, track.key);
  const double typedUrls = SectionBytes(profile, kMaxthonConfig, "TypedUrls");
  ASSERT_GT(typedUrls, 0);

  const PassResult result = profile.Run();

  ASSERT_EQ(result.view.rows.size(), cases.size() + 1);
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].key);
    EXPECT_EQ(result.view.rows[i].caption, cases[i].caption);
    EXPECT_EQ(result.view.rows[i].status, engine::kDone);
  }
  const std::set<std::string> gone = AllGone(cases);
  EXPECT_EQ(profile.Unexpected(gone), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, SizeOf(profile, gone) - typedUrls);
  EXPECT_EQ(result.outcome.totals.registry, 0);
}

TEST(ProfileBrowserTracks, ThreePlacesTracksDeleteBothProfilesFilesOnce) {
  UserProfile profile;
  BuildBrowserProfile(profile);
  for (const char* key : {"Address", "History", "bookmarks"}) profile.Select("FIREFOX", key);

  const PassResult result = profile.Run();

  ASSERT_EQ(result.view.rows.size(), 4u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(result.view.rows[i].status, engine::kDone);
  const std::vector<std::string> places = {kFox1 + "places.sqlite", kFox2 + "places.sqlite"};
  EXPECT_EQ(profile.Unexpected({places.begin(), places.end()}), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, profile.SizeOf(places));
}

TEST(ProfileBrowserTracks, NetscapeFallsBackToNavigatorWithoutNsb) {
  UserProfile profile;
  BuildBrowserProfile(profile, {.nsb = false});
  for (const TrackCase& track : BrowserCases()) {
    if (std::string(track.section) == "Netscape") profile.Select(track.section, track.key);
  }

  const PassResult result = profile.Run();

  EXPECT_EQ(result.view.rows.size(), 8u);
  const std::vector<std::string> gone = {
      kNavigator + "history.dat",    kNavigator + "cookies.txt",    kNavigator + "Cache",
      kNavigator + "Cache\\c1",      kNavigator + "localstore.rdf", kNavigator + "downloads.rdf",
      kNavigator + "bookmarks.html", kNavigator + "signons2.txt",   kNavigator + "signons.txt"};
  EXPECT_EQ(profile.Unexpected({gone.begin(), gone.end()}), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, profile.SizeOf(gone));
}

// Maxthon's flags are read as numbers; every other track wants the text "1".
TEST(ProfileBrowserTracks, MaxthonRunsOnAnyValueThatReadsAsOne) {
  struct Case {
    const char* value;  // nullptr: the key is absent
    bool runs;
  };
  const Case cases[] = {{"1", true}, {"01", true},     {"1.0", true}, {"0", false},
                        {"", false}, {nullptr, false}, {"2", false},  {"one", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value ? std::string("\"") + c.value + "\"" : std::string("absent"));
    UserProfile profile;
    BuildBrowserProfile(profile);
    if (c.value) profile.Select("Maxthon", "groups", c.value);

    const PassResult result = profile.Run();

    EXPECT_EQ(result.view.rows.size(), c.runs ? 2u : 1u);
    EXPECT_EQ(profile.Present(kMaxthonData + "history2.dat"), !c.runs);
  }

  UserProfile profile;
  BuildBrowserProfile(profile);
  profile.Select("Chrome", "Cookies", "01");
  EXPECT_EQ(profile.Run().view.rows.size(), 1u);
  EXPECT_TRUE(profile.Present(kChrome + "Cookies"));
}

// Without an install location the read fails; the tracks run and show
// "Done" but erase nothing, not even below a folder named after the failure
// text relative to the current folder.
TEST(ProfileBrowserTracks, MaxthonWithoutInstallLocationErasesNothing) {
  UserProfile profile;
  BuildBrowserProfile(profile, {.maxthonRegistered = false});
  profile.AddFiles("Error\\SharedAccount\\Data", {"history2.dat", "Dynamic.ini"});
  profile.AddFiles("Error\\SharedAccount\\Downloads", {"setup.exe"});
  for (const char* key : {"keywords", "pages", "settings", "groups", "folder"}) {
    profile.Select("Maxthon", key);
  }
  const PassResult result = [&] {
    testing_support::ScopedCurrentDirectory current(profile.root());
    return profile.Run();
  }();
  ASSERT_EQ(result.view.rows.size(), 6u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(result.view.rows[i].status, engine::kDone);
  EXPECT_EQ(profile.Unexpected({}), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, 0);
}

// A preview lists what a pass would erase and changes nothing, and what one
// track takes is gone for the tracks after it, as in the pass (Config.ini
// counted without the section an earlier Maxthon track took out).
TEST(ProfileBrowserTracks, PreviewChangesNothingAndReportsThePassTotals) {
  const std::vector<TrackCase> selected = BrowserCases();
  UserProfile profile;
  BuildBrowserProfile(profile);
  for (const TrackCase& track : selected) profile.Select(track.section, track.key);
  const double typedUrls = SectionBytes(profile, kMaxthonConfig, "TypedUrls");

  CollectingSink sink;
  const PassResult preview = profile.Preview(sink);

  EXPECT_EQ(profile.Unexpected({}), std::vector<std::string>());
  EXPECT_TRUE(profile.Present(kMaxthonDownloads + "\\music"));
  ASSERT_EQ(preview.view.rows.size(), selected.size() + 1);
  for (size_t i = 0; i < selected.size(); ++i) {
    EXPECT_EQ(preview.view.rows[i].caption, selected[i].caption);
  }
  double reported = 0;
  for (const allerase::ErasedItem& item : sink.items) reported += item.bytes;
  EXPECT_EQ(reported, preview.outcome.totals.bytes);

  const PassResult pass = profile.Run();

  const std::set<std::string> gone = AllGone(selected);
  EXPECT_EQ(profile.Unexpected(gone), std::vector<std::string>());
  EXPECT_EQ(pass.outcome.totals.bytes, SizeOf(profile, gone) - typedUrls);
  EXPECT_EQ(preview.outcome.totals.bytes, pass.outcome.totals.bytes);
  EXPECT_EQ(preview.outcome.totals.registry, pass.outcome.totals.registry);
}

}  // namespace
