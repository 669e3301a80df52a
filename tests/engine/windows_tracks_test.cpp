// The WINDOWS tracks, run through whole passes on a scratch profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "engine/track_pass.h"
#include "platform/process.h"
#include "platform/shell_ops.h"

#include <shellapi.h>

namespace {

using testing_support::Exists;
using testing_support::MakeFolders;
using testing_support::WriteFile;
using track_tests::FixedKeys;
using track_tests::IsEmptyFolder;
using track_tests::PreviewRecorder;
using track_tests::RemoveTree;
using track_tests::ScopedVariable;
using track_tests::TrackPass;
using track_tests::TreeBytes;

constexpr const char* kSection = "WINDOWS";
const HKEY kCU = HKEY_CURRENT_USER;
const HKEY kLM = HKEY_LOCAL_MACHINE;

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kComDlg = kExplorer + "\\ComDlg32";
const std::string kSearchBar =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";
const std::string kACMru = "Software\\Microsoft\\Search Assistant\\ACMru";
const std::string kUserAssist = kExplorer + "\\UserAssist";
const std::string kTrayNotify = kExplorer + "\\TrayNotify";
const std::string kLocalTrayNotify =
    "Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\TrayNotify";
const std::string kRecentDocs = kExplorer + "\\RecentDocs";

struct WindowsRow {
  const char* key;
  const char* caption;
  double credit;
};

// Every WINDOWS track in pass order, with its status caption and the registry
// count it adds whatever it finds.
const WindowsRow kWindowsRows[] = {
    {"recent", "Recent Documents History", 1},
    {"run", "Start Menu Run History", 3},
    {"search", "Start Menu Search History", 30},
    {"temp", "Windows Temp", 0},
    {"recycle", "Recycle Bin", 1},
    {"open", "Open/Save Dialog Box History", 5},
    {"scandisk", "Scandisk Temp Files", 0},
    {"passwords", "Windows Passwords(Only 9X/Me)", 0},
    {"clip", "Windows Clipboard", 0},
    {"wordpad", "Wordpad Recent Files", 3},
    {"paint", "Windows Paint Recent Files", 3},
    {"picturelocation", "The custom locations from the picture location drop-down box", 3},
    {"DirectX", "DirectX most recent applications", 6},
    {"findcomputer", "Find computer dialog box", 9},
    {"findfiles", "Find files dialog box", 15},
    {"mapnetwork", "Map network drive MRU", 3},
    {"management", "Microsoft management console recent file list", 3},
    {"notification", "Past items from the notification area", 4},
    {"registryeditor", "Registry editor last opened key", 5},
    {"searchfolders", "Saved search folders from windows vista", 0},
    {"menuorder", "Start menu programs and favorites menu order", 5},
    {"recentlyused", "The list of most recently used files and folders", 25},
    {"thumbs", "Thumbs.db", 0},
    {"streams", "Windows explorer streams MRUs", 10},
    {"swap", "windows swap/paging file", 0},
    {"userassist", "Windows userassist MRUs", 10},
    {"unread", "Windows XP unread mail count", 5},
};

void EmptyTheBin() {
  SHEmptyRecycleBinA(nullptr, "", SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI);
}

// Moves a new file of `bytes` bytes into the recycle bin.
void PutInRecycleBin(const std::string& path, size_t bytes) {
  WriteFile(path, std::string(bytes, 'r'));
  std::string from = path;
  from.push_back('\0');
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ASSERT_EQ(SHFileOperationA(&operation), 0);
}

void PutTextOnClipboard(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

class WindowsTracksTest : public ::testing::Test {
 protected:
  void SetUp() override { EmptyTheBin(); }
  void TearDown() override { EmptyTheBin(); }

  void SelectAllWindowsTracks() {
    for (const WindowsRow& row : kWindowsRows) pass.Select(kSection, row.key);
  }

  TrackPass pass;
  FixedKeys keys;
};

// Each track alone on a profile where none of its keys, files or programs
// exists: the row, "Done", and the fixed credit, no bytes.
TEST_F(WindowsTracksTest, EachTrackAloneAddsItsFixedCreditAndEndsDone) {
  for (const WindowsRow& row : kWindowsRows) {
    SCOPED_TRACE(row.key);
    TrackPass alone;
    alone.Select(kSection, row.key);
    const engine::PassOutcome outcome = alone.Run();
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.totals.registry, row.credit);
    EXPECT_EQ(outcome.totals.bytes, 0);
    const auto rows = alone.TrackRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].caption, row.caption);
    EXPECT_EQ(rows[0].status, engine::kDone);
  }
}

TEST_F(WindowsTracksTest, RegistryTracksEraseTheirKeysAndSpareTheirSiblings) {
  keys.Value(kCU, kExplorer + "\\RunMRU", "a", "notepad\\1");
  keys.Value(kCU, kExplorer + "\\RunMRU", "MRUList", "a");
  keys.Value(kCU, kComDlg + "\\OpenSaveMRU\\txt", "a");
  keys.Value(kCU, kComDlg + "\\OpenSaveMRU", "MRUList", "a");
  keys.Value(kCU, kComDlg + "\\LastVisitedMRU", "a");
  keys.Value(kCU, kComDlg + "\\CIDSizeMRU", "a");
  keys.Value(kCU, kComDlg + "\\Other", "kept");
  keys.Value(kCU, kExplorer + "\\StreamMRU", "0");
  keys.Value(kCU, kExplorer + "\\TypedPaths", "url1", "C:\\secret");
  keys.Value(kCU, kUserAssist + "\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count", "HRZR_EHACNGU");
  keys.Value(kCU, kUserAssist + "\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count", "HRZR_EHACNGU");
  keys.Value(kCU, kUserAssist + "\\{75048700-EF1F-11D0-9888-006097DEACF9}", "Version", "3");
  keys.Value(kCU,
             "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List",
             "File1");
  keys.Value(kCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Options",
             "kept");
  keys.Value(kCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List",
             "File1");
  keys.Value(kCU, kExplorer + "\\Wallpaper", "MRU0");
  keys.Value(kLM, "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication", "Name", "game.exe");
  keys.Value(kLM, "SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication", "Name", "game.exe");
  keys.Value(kLM, "SOFTWARE\\Microsoft\\Direct3D\\MurvaneTestSibling", "kept");
  keys.Value(kCU, kExplorer + "\\Map Network Drive MRU", "a", "\\\\server\\share");
  keys.Value(kCU, "Software\\Microsoft\\Microsoft Management Console\\Recent File List", "File1");
  keys.Value(kCU, kTrayNotify, "IconStreams");
  keys.Value(kCU, kTrayNotify, "PastIconsStream");
  keys.Value(kCU, kTrayNotify, "BalloonTip", "kept");
  keys.Value(kCU, kLocalTrayNotify, "IconStreams");
  keys.Value(kCU, kLocalTrayNotify, "PastIconsStream");
  keys.Value(kCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\Favorites", "a");
  keys.Value(kCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit", "LastKey");
  keys.Value(kCU, kExplorer + "\\MenuOrder\\Start Menu\\Programs", "Order");
  keys.Value(kCU, "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail\\ann@example.com",
             "MessageCount", "3");
  keys.Value(kCU, kExplorer + "\\WordWheelQuery", "0");

  for (const char* key : {"run", "open", "recentlyused", "streams", "userassist", "wordpad",
                          "paint", "picturelocation", "DirectX", "mapnetwork", "management",
                          "notification", "registryeditor", "menuorder", "unread", "findfiles"}) {
    pass.Select(kSection, key);
  }
  const engine::PassOutcome outcome = pass.Run();
  EXPECT_EQ(outcome.totals.registry,
            3 + 5 + 25 + 10 + 10 + 3 + 3 + 3 + 6 + 3 + 3 + 4 + 5 + 5 + 5 + 15);
  EXPECT_EQ(outcome.totals.bytes, 0);

  for (const std::string& gone :
       {kExplorer + "\\RunMRU", kComDlg + "\\OpenSaveMRU", kComDlg + "\\LastVisitedMRU",
        kComDlg + "\\CIDSizeMRU", kExplorer + "\\StreamMRU", kExplorer + "\\TypedPaths",
        kUserAssist + "\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count",
        kUserAssist + "\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count",
        std::string(
            "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List"),
        std::string(
            "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List"),
        kExplorer + "\\Wallpaper", kExplorer + "\\Map Network Drive MRU",
        std::string("Software\\Microsoft\\Microsoft Management Console\\Recent File List"),
        std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit"),
        kExplorer + "\\MenuOrder",
        std::string("Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail"),
        kExplorer + "\\WordWheelQuery"}) {
    EXPECT_FALSE(FixedKeys::HasKey(kCU, gone)) << gone;
  }
  EXPECT_FALSE(FixedKeys::HasKey(kLM, "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication"));
  EXPECT_FALSE(FixedKeys::HasKey(kLM, "SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication"));
  EXPECT_FALSE(FixedKeys::HasValue(kCU, kTrayNotify, "IconStreams"));
  EXPECT_FALSE(FixedKeys::HasValue(kCU, kTrayNotify, "PastIconsStream"));
  EXPECT_FALSE(FixedKeys::HasValue(kCU, kLocalTrayNotify, "IconStreams"));
  EXPECT_FALSE(FixedKeys::HasValue(kCU, kLocalTrayNotify, "PastIconsStream"));

  // What sits beside or above the erased lists stays.
  EXPECT_TRUE(FixedKeys::HasValue(kCU, kComDlg + "\\Other", "kept"));
  EXPECT_TRUE(FixedKeys::HasValue(kCU, kUserAssist + "\\{75048700-EF1F-11D0-9888-006097DEACF9}",
                                  "Version"));
  EXPECT_TRUE(FixedKeys::HasKey(
      kCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Options"));
  EXPECT_TRUE(FixedKeys::HasKey(kLM, "SOFTWARE\\Microsoft\\Direct3D\\MurvaneTestSibling"));
  EXPECT_TRUE(FixedKeys::HasValue(kCU, kTrayNotify, "BalloonTip"));
}

// DeleteRegKey leaves a key that still has subkeys. "search" (run earlier in
// the pass) removes the numbered lists below ACMru, after which
// "findcomputer" can remove ACMru itself; alone, "findcomputer" cannot.
TEST_F(WindowsTracksTest, KeyDeletionFollowsTheOrderOfThePass) {
  auto makeSearchLists = [this] {
    for (const char* list : {"5603", "5604", "5647", "5601", "5602"}) {
      keys.Value(kCU, kACMru + "\\" + list, "000", "secret");
    }
    keys.Value(kCU, kSearchBar + "\\ComputerNameMRU", "000", "server");
    keys.Value(kCU, kSearchBar + "\\FilesNamedMRU", "000", "*.doc");
    keys.Value(kCU, kSearchBar + "\\ContainingTextMRU", "000", "secret");
    keys.Value(kCU, kExplorer + "\\Doc Find Spec MRU", "a", "*.doc");
    keys.Value(kCU, kExplorer + "\\FindComputerMRU", "a", "server");
  };

  makeSearchLists();
  pass.Select(kSection, "findcomputer");
  engine::PassOutcome outcome = pass.Run();
  EXPECT_EQ(outcome.totals.registry, 9);
  EXPECT_TRUE(FixedKeys::HasKey(kCU, kACMru));
  EXPECT_TRUE(FixedKeys::HasValue(kCU, kACMru + "\\5603", "000"));
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kSearchBar + "\\ComputerNameMRU"));
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kExplorer + "\\FindComputerMRU"));
  // Lists that belong to the other search tracks stay.
  EXPECT_TRUE(FixedKeys::HasKey(kCU, kSearchBar + "\\FilesNamedMRU"));
  EXPECT_TRUE(FixedKeys::HasKey(kCU, kExplorer + "\\Doc Find Spec MRU"));

  makeSearchLists();
  pass.Select(kSection, "search");
  outcome = pass.Run();
  EXPECT_EQ(outcome.totals.registry, 30 + 9);
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kACMru));
  for (const std::string& gone :
       {kSearchBar + "\\ComputerNameMRU", kSearchBar + "\\FilesNamedMRU",
        kSearchBar + "\\ContainingTextMRU", kExplorer + "\\Doc Find Spec MRU",
        kExplorer + "\\FindComputerMRU"}) {
    EXPECT_FALSE(FixedKeys::HasKey(kCU, gone)) << gone;
  }
  // "Explorer Bars" still holds the search bar's key, so it stays.
  EXPECT_TRUE(FixedKeys::HasKey(kCU, kSearchBar));
}

// Three temporary folders: the one beside an older profile's local
// application data, the Windows folder's and TEMP's. Each is emptied file by
// file and then replaced by an empty folder, so a file that cannot be deleted
// is counted twice.
TEST_F(WindowsTracksTest, TempEmptiesTheThreeFoldersAndCountsLockedFilesTwice) {
  const std::string localTemp = pass.root / "Local Settings\\temp";
  WriteFile(localTemp + "\\a.tmp", std::string(100, 'a'));
  WriteFile(localTemp + "\\sub\\b.tmp", std::string(200, 'b'));
  WriteFile(pass.root / "Local Settings\\keep.txt", std::string(7, 'k'));
  WriteFile(pass.local + "\\keep.dat", std::string(7, 'k'));
  WriteFile(pass.windows + "\\temp\\c.tmp", std::string(300, 'c'));
  WriteFile(pass.windows + "\\temp\\locked.tmp", std::string(50, 'd'));
  WriteFile(pass.windows + "\\win.ini", std::string(7, 'k'));
  WriteFile(pass.temp + "\\e.tmp", std::string(400, 'e'));
  WriteFile(pass.temp + "\\sub\\deep\\f.tmp", std::string(500, 'f'));
  SetFileAttributesA((pass.temp + "\\e.tmp").c_str(), FILE_ATTRIBUTE_HIDDEN);

  HANDLE locked = CreateFileA((pass.windows + "\\temp\\locked.tmp").c_str(), GENERIC_READ, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  pass.Select(kSection, "temp");
  const engine::PassOutcome outcome = pass.Run();
  CloseHandle(locked);

  EXPECT_EQ(outcome.totals.bytes, 100 + 200 + 300 + 50 + 50 + 400 + 500);
  EXPECT_EQ(outcome.totals.registry, 0);
  EXPECT_TRUE(IsEmptyFolder(localTemp));
  EXPECT_TRUE(IsEmptyFolder(pass.temp));
  EXPECT_TRUE(Exists(pass.windows + "\\temp\\locked.tmp"));
  EXPECT_FALSE(Exists(pass.windows + "\\temp\\c.tmp"));
  EXPECT_TRUE(Exists(pass.root / "Local Settings\\keep.txt"));
  EXPECT_TRUE(Exists(pass.local + "\\keep.dat"));
  EXPECT_TRUE(Exists(pass.windows + "\\win.ini"));
}

TEST_F(WindowsTracksTest, TempWithACurrentProfileLayoutCleansOnlyWindowsAndTempFolders) {
  // C:\Users\Ann\AppData\Local: there is no "Application Data" to cut at.
  pass.environment.local = pass.root / "AppData\\Local";
  WriteFile(pass.root / "AppData\\Local\\Temp\\x.tmp", std::string(11, 'x'));
  WriteFile(pass.root / "AppData\\temp\\y.tmp", std::string(13, 'y'));
  WriteFile(pass.root / "AppData\\Localtemp\\z.tmp", std::string(17, 'z'));
  WriteFile(pass.windows + "\\temp\\c.tmp", std::string(300, 'c'));
  WriteFile(pass.temp + "\\e.tmp", std::string(400, 'e'));

  pass.Select(kSection, "temp");
  EXPECT_EQ(pass.Run().totals.bytes, 300 + 400);
  EXPECT_TRUE(Exists(pass.root / "AppData\\Local\\Temp\\x.tmp"));
  EXPECT_TRUE(Exists(pass.root / "AppData\\temp\\y.tmp"));
  EXPECT_TRUE(Exists(pass.root / "AppData\\Localtemp\\z.tmp"));
  EXPECT_TRUE(IsEmptyFolder(pass.windows + "\\temp"));
  EXPECT_TRUE(IsEmptyFolder(pass.temp));

  // A local folder that could not be read erases nothing of its own.
  pass.environment.local = "Error";
  WriteFile(pass.windows + "\\temp\\c.tmp", std::string(300, 'c'));
  EXPECT_EQ(pass.Run().totals.bytes, 300);
}

// The Found.NNN folders of drives C to F, 000 to 010; only the files directly
// inside them.
TEST_F(WindowsTracksTest, ScandiskDeletesOnlyFilesDirectlyInsideTheFoundFolders) {
  struct CleanUp {
    ~CleanUp() {
      for (const char* folder :
           {"C:\\Found.000", "C:\\Found.010", "C:\\Found.011", "C:\\Found.1"}) {
        RemoveTree(folder);
      }
    }
  } cleanUp;
  WriteFile("C:\\Found.000\\FILE0000.CHK", std::string(1000, '0'));
  WriteFile("C:\\Found.000\\FILE0001.CHK", std::string(24, '1'));
  WriteFile("C:\\Found.000\\DIR0000.CHK\\inner.chk", std::string(64, 'i'));
  WriteFile("C:\\Found.010\\FILE0000.CHK", std::string(10, '2'));
  WriteFile("C:\\Found.011\\FILE0000.CHK", std::string(11, '3'));
  WriteFile("C:\\Found.1\\FILE0000.CHK", std::string(12, '4'));

  pass.Select(kSection, "scandisk");
  const engine::PassOutcome outcome = pass.Run();
  EXPECT_EQ(outcome.totals.bytes, 1000 + 24 + 10);
  EXPECT_FALSE(Exists("C:\\Found.000\\FILE0000.CHK"));
  EXPECT_FALSE(Exists("C:\\Found.000\\FILE0001.CHK"));
  EXPECT_FALSE(Exists("C:\\Found.010\\FILE0000.CHK"));
  EXPECT_TRUE(Exists("C:\\Found.000\\DIR0000.CHK\\inner.chk"));
  EXPECT_TRUE(Exists("C:\\Found.011\\FILE0000.CHK"));
  EXPECT_TRUE(Exists("C:\\Found.1\\FILE0000.CHK"));
}

// The shell counts what the bin holds; the old bin folder of Windows 9x is
// counted instead where it exists (the shell would count its files too).
TEST_F(WindowsTracksTest, RecycleBinIsCountedEmptiedAndCreditedOne) {
  PutInRecycleBin(pass.root / "binned.txt", 4321);
  ASSERT_EQ(platform::QueryRecycleBin().items, 1);
  pass.Select(kSection, "recycle");
  engine::PassOutcome outcome = pass.Run();
  EXPECT_EQ(outcome.totals.bytes, 4321);
  EXPECT_EQ(outcome.totals.registry, 1);
  EXPECT_EQ(platform::QueryRecycleBin().items, 0);

  struct CleanUp {
    ~CleanUp() { RemoveTree("C:\\RECYCLED"); }
  } cleanUp;
  WriteFile("C:\\RECYCLED\\DC1.TXT", std::string(700, 'o'));
  WriteFile("C:\\RECYCLED\\sub\\DC2.TXT", std::string(30, 'o'));
  PutInRecycleBin(pass.root / "binned2.txt", 5000);
  outcome = pass.Run();
  EXPECT_EQ(outcome.totals.bytes, 730);
  EXPECT_EQ(platform::QueryRecycleBin().items, 0);
}

TEST_F(WindowsTracksTest, ClipboardAndRecentDocumentsAreEmptied) {
  PutTextOnClipboard("a password");
  keys.Value(kCU, kRecentDocs, "MRUListEx", "x");
  pass.Select(kSection, "clip");
  pass.Select(kSection, "recent");
  const engine::PassOutcome outcome = pass.Run();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kRecentDocs));
  EXPECT_EQ(outcome.totals.registry, 1);
  EXPECT_EQ(outcome.totals.bytes, 0);
}

TEST_F(WindowsTracksTest, SearchFoldersEmptyTheDocumentsSearchesTree) {
  WriteFile(pass.documents + "\\Searches\\Everywhere.search-ms", std::string(120, 's'));
  WriteFile(pass.documents + "\\Searches\\old\\Indexed.search-ms", std::string(80, 's'));
  WriteFile(pass.documents + "\\letter.doc", std::string(9, 'd'));
  WriteFile(pass.documents + "\\Searches2\\keep.search-ms", std::string(9, 'd'));
  pass.Select(kSection, "searchfolders");
  EXPECT_EQ(pass.Run().totals.bytes, 200);
  EXPECT_FALSE(Exists(pass.documents + "\\Searches\\Everywhere.search-ms"));
  EXPECT_FALSE(Exists(pass.documents + "\\Searches\\old\\Indexed.search-ms"));
  EXPECT_TRUE(Exists(pass.documents + "\\Searches\\old"));
  EXPECT_TRUE(Exists(pass.documents + "\\letter.doc"));
  EXPECT_TRUE(Exists(pass.documents + "\\Searches2\\keep.search-ms"));

  // The documents folder is read afresh; a failed read erases nothing.
  WriteFile(pass.documents + "\\Searches\\again.search-ms", std::string(5, 's'));
  pass.environment.documentsFolder = [] { return std::string("Error"); };
  EXPECT_EQ(pass.Run().totals.bytes, 0);
  EXPECT_TRUE(Exists(pass.documents + "\\Searches\\again.search-ms"));
  ASSERT_EQ(pass.TrackRows().size(), 1u);
  EXPECT_EQ(pass.TrackRows()[0].status, engine::kDone);
}

// A batch file that cannot end before the test lets it (a file that appears
// a second later), then leaves a marker: when the pass comes back, the
// marker is there.
TEST_F(WindowsTracksTest, ThumbsRunsTheBatchFileAndWaitsForIt) {
  const std::string go = pass.root / "go.txt";
  const std::string marker = pass.root / "batch ran.txt";
  WriteFile(pass.program + "\\delThumbs.bat", "@echo off\r\n:wait\r\nif not exist \"" + go +
                                                  "\" goto wait\r\necho done> \"" + marker +
                                                  "\"\r\n");
  std::thread release([go] {
    Sleep(1000);
    WriteFile(go, "go");
  });
  pass.Select(kSection, "thumbs");
  const engine::PassOutcome outcome = pass.Run();
  const bool ranToItsEnd = Exists(marker);
  release.join();
  EXPECT_TRUE(ranToItsEnd);
  EXPECT_EQ(outcome.totals.registry, 0);
  EXPECT_EQ(outcome.totals.bytes, 0);
  ASSERT_EQ(pass.TrackRows().size(), 1u);
  EXPECT_EQ(pass.TrackRows()[0].status, engine::kDone);
}

TEST_F(WindowsTracksTest, ThumbsWithoutTheBatchFileEndsAtOnce) {
  pass.Select(kSection, "thumbs");
  const ULONGLONG start = GetTickCount64();
  pass.Run();
  EXPECT_LT(GetTickCount64() - start, 5000u);
  ASSERT_EQ(pass.TrackRows().size(), 1u);
  EXPECT_EQ(pass.TrackRows()[0].caption, "Thumbs.db");
  EXPECT_EQ(pass.TrackRows()[0].status, engine::kDone);
}

// The delThumbs.bat the program ships: every Thumbs.db below the profile,
// hidden or read-only, and nothing else.
TEST_F(WindowsTracksTest, ShippedBatchFileDeletesThumbnailCachesBelowTheProfile) {
  const std::string shipped = platform::ExecutableFolder() + "\\delThumbs.bat";
  ASSERT_TRUE(Exists(shipped)) << "the build copies data/delThumbs.bat beside the programs";
  ASSERT_TRUE(CopyFileA(shipped.c_str(), (pass.program + "\\delThumbs.bat").c_str(), FALSE));

  const std::string profile = pass.root / "Profile Ann";
  WriteFile(profile + "\\Thumbs.db", "t");
  WriteFile(profile + "\\Pictures\\Holiday\\Thumbs.db", "t");
  WriteFile(profile + "\\Pictures\\Thumbs.db.bak", "t");
  WriteFile(profile + "\\Pictures\\photo.jpg", "t");
  WriteFile(pass.root / "elsewhere\\Thumbs.db", "t");
  SetFileAttributesA((profile + "\\Pictures\\Holiday\\Thumbs.db").c_str(),
                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((profile + "\\Thumbs.db").c_str(), FILE_ATTRIBUTE_READONLY);
  ScopedVariable userProfile("USERPROFILE", profile.c_str());

  pass.Select(kSection, "thumbs");
  pass.Run();
  EXPECT_FALSE(Exists(profile + "\\Thumbs.db"));
  EXPECT_FALSE(Exists(profile + "\\Pictures\\Holiday\\Thumbs.db"));
  EXPECT_TRUE(Exists(profile + "\\Pictures\\Thumbs.db.bak"));
  EXPECT_TRUE(Exists(profile + "\\Pictures\\photo.jpg"));
  EXPECT_TRUE(Exists(pass.root / "elsewhere\\Thumbs.db"));
}

// The progress values the WINDOWS tracks set, in pass order, whether or not
// they are selected: tracks 2 to 12, 21, 24 and 26.
const std::vector<int> kWindowsProgress = {33, 34, 35, 36, 37, 38, 39, 40, 41, 41, 41, 41, 42, 43};

std::vector<int> WindowsSlice(const std::vector<int>& progress) {
  const auto first = std::find(progress.begin(), progress.end(), 33);
  if (first == progress.end() || first == progress.begin()) return {};
  std::vector<int> slice(first - 1, std::min(progress.end(), first + kWindowsProgress.size()));
  return slice;
}

TEST_F(WindowsTracksTest, ProgressIsSetAtTheSameTracksSelectedOrNot) {
  std::vector<int> expected = {32};
  expected.insert(expected.end(), kWindowsProgress.begin(), kWindowsProgress.end());

  pass.Run();
  EXPECT_EQ(WindowsSlice(pass.view.progress), expected);
  EXPECT_TRUE(pass.TrackRows().empty());

  SelectAllWindowsTracks();
  pass.Run();
  EXPECT_EQ(WindowsSlice(pass.view.progress), expected);
  EXPECT_EQ(pass.TrackRows().size(), std::size(kWindowsRows));
}

// A profile with something for every track, everything selected: the rows in
// pass order, each "Done", and the exact totals.
TEST_F(WindowsTracksTest, EveryTrackSelectedOnAFullProfile) {
  struct CleanUp {
    ~CleanUp() { RemoveTree("C:\\Found.003"); }
  } cleanUp;
  keys.Value(kCU, kExplorer + "\\RunMRU", "a", "regedit\\1");
  keys.Value(kCU, kComDlg + "\\OpenSaveMRU\\doc", "a");
  keys.Value(kCU, kExplorer + "\\TypedPaths", "url1", "C:\\secret");
  keys.Value(kLM, "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication", "Name", "game.exe");
  keys.Value(kCU, kRecentDocs, "MRUListEx", "x");
  WriteFile(pass.root / "Local Settings\\temp\\a.tmp", std::string(100, 'a'));
  WriteFile(pass.windows + "\\temp\\c.tmp", std::string(300, 'c'));
  WriteFile(pass.temp + "\\e.tmp", std::string(400, 'e'));
  WriteFile("C:\\Found.003\\FILE0000.CHK", std::string(1000, '0'));
  WriteFile(pass.documents + "\\Searches\\s.search-ms", std::string(120, 's'));
  PutInRecycleBin(pass.root / "binned.txt", 2000);
  PutTextOnClipboard("secret");
  const std::string marker = pass.root / "thumbs.txt";
  WriteFile(pass.program + "\\delThumbs.bat", "@echo off\r\necho done> \"" + marker + "\"\r\n");

  SelectAllWindowsTracks();
  const engine::PassOutcome outcome = pass.Run();

  const double credits =
      std::accumulate(std::begin(kWindowsRows), std::end(kWindowsRows), 0.0,
                      [](double sum, const WindowsRow& row) { return sum + row.credit; });
  EXPECT_EQ(credits, 149);
  EXPECT_EQ(outcome.totals.registry, credits);
  EXPECT_EQ(outcome.totals.bytes, 100 + 300 + 400 + 1000 + 120 + 2000);
  const auto rows = pass.TrackRows();
  ASSERT_EQ(rows.size(), std::size(kWindowsRows));
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].caption, kWindowsRows[i].caption);
    EXPECT_EQ(rows[i].status, engine::kDone) << rows[i].caption;
  }
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kExplorer + "\\RunMRU"));
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kComDlg + "\\OpenSaveMRU"));
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kExplorer + "\\TypedPaths"));
  EXPECT_FALSE(FixedKeys::HasKey(kLM, "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication"));
  EXPECT_FALSE(Exists("C:\\Found.003\\FILE0000.CHK"));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(platform::QueryRecycleBin().items, 0);
  EXPECT_TRUE(Exists(marker));
  EXPECT_EQ(pass.view.reports.size(), 1u);
}

// A preview pass changes nothing: no program started, bin, clipboard, recent
// documents, keys and files left alone; it reports what it would do and
// comes to the totals the erasing pass then reaches.
TEST_F(WindowsTracksTest, PreviewChangesNothingAndCountsWhatErasingCounts) {
  struct CleanUp {
    ~CleanUp() { RemoveTree("C:\\Found.004"); }
  } cleanUp;
  keys.Value(kCU, kExplorer + "\\RunMRU", "a", "regedit\\1");
  keys.Value(kCU, kExplorer + "\\StreamMRU", "0");
  keys.Value(kCU, kTrayNotify, "IconStreams");
  keys.Value(kCU, kRecentDocs, "MRUListEx", "x");
  WriteFile(pass.root / "Local Settings\\temp\\a.tmp", std::string(100, 'a'));
  WriteFile(pass.windows + "\\temp\\sub\\c.tmp", std::string(300, 'c'));
  WriteFile(pass.temp + "\\e.tmp", std::string(400, 'e'));
  WriteFile("C:\\Found.004\\FILE0000.CHK", std::string(1000, '0'));
  WriteFile(pass.documents + "\\Searches\\s.search-ms", std::string(120, 's'));
  PutInRecycleBin(pass.root / "binned.txt", 2000);
  PutTextOnClipboard("secret");
  const std::string marker = pass.root / "thumbs.txt";
  WriteFile(pass.program + "\\delThumbs.bat", "@echo off\r\necho done> \"" + marker + "\"\r\n");
  SelectAllWindowsTracks();
  const std::string settingsBefore = testing_support::ReadFile(pass.program + "\\prisd.dat");

  PreviewRecorder recorder;
  const engine::PassOutcome preview = pass.Preview(recorder);
  Sleep(500);  // time enough for a batch file started by mistake

  EXPECT_FALSE(Exists(marker));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(platform::QueryRecycleBin().items, 1);
  EXPECT_TRUE(FixedKeys::HasKey(kCU, kRecentDocs));
  EXPECT_TRUE(FixedKeys::HasKey(kCU, kExplorer + "\\RunMRU"));
  EXPECT_TRUE(FixedKeys::HasKey(kCU, kExplorer + "\\StreamMRU"));
  EXPECT_TRUE(FixedKeys::HasValue(kCU, kTrayNotify, "IconStreams"));
  EXPECT_TRUE(Exists(pass.root / "Local Settings\\temp\\a.tmp"));
  EXPECT_TRUE(Exists(pass.windows + "\\temp\\sub\\c.tmp"));
  EXPECT_TRUE(Exists(pass.temp + "\\e.tmp"));
  EXPECT_TRUE(Exists("C:\\Found.004\\FILE0000.CHK"));
  EXPECT_TRUE(Exists(pass.documents + "\\Searches\\s.search-ms"));
  EXPECT_EQ(testing_support::ReadFile(pass.program + "\\prisd.dat"), settingsBefore);
  EXPECT_TRUE(recorder.HasAction(L"recycle bin"));
  EXPECT_TRUE(recorder.HasAction(L"clipboard"));
  EXPECT_TRUE(recorder.HasAction(L"recently opened documents"));
  EXPECT_TRUE(recorder.HasAction(L"delThumbs.bat"));
  EXPECT_EQ(pass.TrackRows().size(), std::size(kWindowsRows));

  const engine::PassOutcome erased = pass.Run();
  EXPECT_EQ(preview.totals.registry, erased.totals.registry);
  EXPECT_EQ(preview.totals.bytes, erased.totals.bytes);
  EXPECT_EQ(erased.totals.bytes, 100 + 300 + 400 + 1000 + 120 + 2000);
  EXPECT_TRUE(Exists(marker));
  EXPECT_FALSE(FixedKeys::HasKey(kCU, kExplorer + "\\RunMRU"));
}

}  // namespace
