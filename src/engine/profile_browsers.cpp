// The browsers that keep their traces as files in per-user profile folders:
// Firefox, Opera, Netscape, Mozilla, Maxthon, Chrome and Safari.
//
// Every row is data. File names are matched exactly as each browser writes
// them (the file walks compare case-sensitively), so a "Places.sqlite" or a
// "places.sqlite.bak" survives; the folder walks compare lower-cased names,
// hence the lower-case "cache", "sessions" and "thumbnails". No track here
// touches the registry count.
//
// Several rows deliberately erase the same thing (Firefox's three
// places.sqlite rows, Chrome's two History rows): each is a box of its own in
// the settings window, and whichever runs first finds the file.
#include "engine/families.h"

namespace engine {
namespace {

constexpr Base R = Base::Roaming;
constexpr Base L = Base::Local;
constexpr Base N = Base::Netscape;  // NSB's profiles when present, else Navigator's
constexpr Base M = Base::Maxthon;   // installation folder, read by every row that runs
constexpr int kNone = kNoProgress;

constexpr const char* kFirefox = "\\Mozilla\\Firefox\\Profiles";
constexpr const char* kOpera = "\\Opera\\Opera";
constexpr const char* kMozilla = "\\Mozilla\\Profiles";
constexpr const char* kMaxthonConfig = "\\SharedAccount\\Config";
constexpr const char* kMaxthonData = "\\SharedAccount\\Data";
constexpr const char* kChrome = "\\Google\\Chrome\\User Data\\Default";
constexpr const char* kSafari = "\\Apple Computer\\Safari";

// The Netscape base already is the profile folder.
constexpr const char* kProfiles = "";

// One row per track reads better than the formatter's layout of nested lists.
// clang-format off
const TrackRow kTracks[] = {
    // Firefox: profiles below the roaming folder, caches below the local one.
    {"FIREFOX", "Address", "Firefox Address Bar History", 12,
     {NamedFilesInTree(R, kFirefox, "places.sqlite")}},
    {"FIREFOX", "Cookies", "Firefox Cookies", 12,
     {NamedFilesInTree(R, kFirefox, "cookies.sqlite")}},
    {"FIREFOX", "cache", "Firefox Cache", 13,
     {NamedFoldersInTree(L, kFirefox, "cache")}},
    {"FIREFOX", "History", "Firefox History Files", 14,
     {NamedFilesInTree(R, kFirefox, "places.sqlite")}},
    {"FIREFOX", "Download", "Firefox Download Manager History", 15,
     {NamedFilesInTree(R, kFirefox, "downloads.sqlite")}},
    {"FIREFOX", "bookmarks", "Firefox Bookmarks Files", 15,
     {NamedFilesInTree(R, kFirefox, "places.sqlite")}},
    {"FIREFOX", "passwords", "Firefox Saved Passwords", kNone,
     {NamedFilesInTree(R, kFirefox, "key3.db")}},

    {"Opera", "Address", "Opera Address Bar History", 16,
     {NamedFilesInTree(R, kOpera, "typed_history.xml")}},
    {"Opera", "Cookies", "Opera Cookies", 17,
     {NamedFilesInTree(R, kOpera, "cookies4.dat")}},
    {"Opera", "cache", "Opera Cache", 18,
     {NamedFoldersInTree(L, kOpera, "cache")}},
    {"Opera", "History", "Opera History Files", 19,
     {NamedFilesInTree(R, kOpera, "global_history.dat")}},
    {"Opera", "downloads", "Opera Download History", kNone,
     {NamedFilesInTree(R, kOpera, "download.dat")}},
    {"Opera", "Sessions", "Opera Sessions Files", kNone,
     {NamedFoldersInTree(R, kOpera, "sessions")}},
    {"Opera", "Images", "Opera Site Image Files", kNone,
     {NamedFoldersInTree(L, kOpera, "thumbnails")}},
    {"Opera", "Bookmarks", "Opera Bookmarks", kNone,
     {NamedFilesInTree(R, kOpera, "bookmarks.adr")}},
    {"Opera", "Passwords", "Opera Passwords", kNone,
     {NamedFilesInTree(R, kOpera, "wand.dat")}},

    {"Netscape", "Location", "Netscape Address Bar History", 20,
     {NamedFilesInTree(N, kProfiles, "history.dat")}},
    {"Netscape", "Cookies", "Netscape Cookies", 21,
     {NamedFilesInTree(N, kProfiles, "cookies.txt")}},
    {"Netscape", "Cache", "Netscape Cache", 22,
     {NamedFoldersInTree(N, kProfiles, "cache"),
      NamedFilesInTree(N, kProfiles, "localstore.rdf")}},
    {"Netscape", "History", "Netscape History Files", 23,
     {NamedFilesInTree(N, kProfiles, "history.dat")}},
    {"Netscape", "download", "Netscape Download Manager History", kNone,
     {NamedFilesInTree(N, kProfiles, "downloads.rdf")}},
    {"Netscape", "bookmarks", "Netscape Bookmarks", kNone,
     {NamedFilesInTree(N, kProfiles, "bookmarks.html")}},
    {"Netscape", "passwords", "Netscape Saved Passwords", kNone,
     {NamedFilesInTree(N, kProfiles, "signons2.txt"),
      NamedFilesInTree(N, kProfiles, "signons.txt")}},

    // The Mozilla suite keeps its caches in the roaming profile.
    {"Mozilla", "Address", "Mozilla Address Bar History", 32,
     {NamedFilesInTree(R, kMozilla, "history.dat")}},
    {"Mozilla", "Cookies", "Mozilla Cookies", kNone,
     {NamedFilesInTree(R, kMozilla, "cookies.txt")}},
    {"Mozilla", "cache", "Mozilla Cache", kNone,
     {NamedFilesInTree(R, kMozilla, "localstore.rdf"),
      NamedFoldersInTree(R, kMozilla, "cache")}},
    {"Mozilla", "History", "Mozilla History Files", kNone,
     {NamedFilesInTree(R, kMozilla, "history.dat")}},

    // Maxthon's flags are read as numbers (the catalogue's rule for this
    // section), not as the exact text "1".
    {"Maxthon", "keywords", "Maxthon Typed Urls", kNone,
     {IniSection(M, "\\SharedAccount\\Config\\Config.ini", "TypedUrls")}},
    {"Maxthon", "pages", "Maxthon information about open pages", kNone,
     {NamedFileInFolder(M, kMaxthonData, "Dynamic.ini"),
      NamedFileInFolder(M, kMaxthonConfig, "Config.ini")}},
    {"Maxthon", "settings", "Maxthon settings", kNone,
     {NamedFileInFolder(M, kMaxthonConfig, "Config.ini")}},
    {"Maxthon", "groups", "Maxthon History Files", kNone,
     {NamedFileInFolder(M, kMaxthonData, "history2.dat"),
      NamedFileInFolder(M, kMaxthonData, "LastSession.ini"),
      NamedFileInFolder(M, kMaxthonData, "TmpSession.ini")}},
    // The download folder's row has always shown the open-pages caption.
    {"Maxthon", "folder", "Maxthon information about open pages", kNone,
     {EmptyFolder(M, "\\SharedAccount\\Downloads")}},

    // Chrome: names are matched in the whole Default tree, subfolders too.
    {"Chrome", "download", "Chrome download History", kNone,
     {NamedFilesInTree(L, kChrome, "History")}},
    {"Chrome", "Cookies", "Chrome Cookies", kNone,
     {NamedFilesInTree(L, kChrome, "Cookies")}},
    {"Chrome", "Cache", "Chrome Cache", kNone,
     {AllFilesInTree(L, "\\Google\\Chrome\\User Data\\Default\\Cache")}},
    {"Chrome", "History", "Chrome History", kNone,
     {NamedFilesInTree(L, kChrome, "History")}},
    {"Chrome", "Forms", "Chrome Forms Data/Saved passwords", kNone,
     {NamedFilesInTree(L, kChrome, "Web Data")}},
    {"Chrome", "Session", "Chrome Session", kNone,
     {NamedFilesInTree(L, kChrome, "Last Session"),
      NamedFilesInTree(L, kChrome, "Current Session"),
      NamedFilesInTree(L, kChrome, "Top Sites")}},

    // Safari: single folders only, never their subfolders.
    {"Safari", "History", "Safari History", kNone,
     {FilesInFolder(L, "\\Apple Computer\\Safari\\History"),
      NamedFileInFolder(R, kSafari, "History.plist")}},
    {"Safari", "pages", "Safari Information about open pages", kNone,
     {NamedFileInFolder(R, kSafari, "LastSession.plist"),
      NamedFileInFolder(R, kSafari, "TopSites.plist")}},
    {"Safari", "Cache", "Safari Cache", kNone,
     {NamedFileInFolder(L, kSafari, "Cache.db"),
      NamedFileInFolder(L, kSafari, "WebpageIcons.db")}},
    {"Safari", "Cookies", "Safari Cookies", kNone,
     {NamedFileInFolder(R, "\\Apple Computer\\Safari\\Cookies", "Cookies.plist")}},
    {"Safari", "download", "Safari Download information", kNone,
     {NamedFileInFolder(R, kSafari, "Downloads.plist")}},
    {"Safari", "Autocomplete", "Safari Autocomplete", kNone,
     {NamedFileInFolder(R, kSafari, "Form Values.plist"),
      NamedFileInFolder(R, "\\Apple Computer\\Safari\\Preferences", "keychain.plist")}},
    {"Safari", "Images", "Safari Webpage Preview Images", kNone,
     {FilesInFolder(L, "\\Apple Computer\\Safari\\Webpage Previews")}},
    {"Safari", "RecentSearches", "Safari Recent Searches", kNone,
     {NamedFileInFolder(R, "\\Apple Computer\\Preferences", "com.apple.Safari.plist")}},
};
// clang-format on

static_assert(std::size(kTracks) == 46);

}  // namespace

std::span<const TrackRow> ProfileBrowserTracks() {
  return kTracks;
}

}  // namespace engine
