#include "primitives/allerase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <shlwapi.h>

#include "platform/handles.h"
#include "platform/text.h"
#include "support/scratch.h"

namespace {

using testing_support::Exists;
using testing_support::MakeFolders;
using testing_support::ReadFile;
using testing_support::ScratchFolder;
using testing_support::ScratchKey;
using testing_support::WriteFile;

// Collects what a preview reports.
class Recorder : public allerase::EraseSink {
 public:
  void OnItem(const allerase::ErasedItem& item) override { items.push_back(item); }
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (const auto& item : items) paths.push_back(platform::ToUtf8(item.path));
    std::sort(paths.begin(), paths.end());
    return paths;
  }
  double Bytes() const {
    double sum = 0;
    for (const auto& item : items) sum += item.bytes;
    return sum;
  }
  std::vector<allerase::ErasedItem> items;
};

// Everything below a folder, read with the wide API and without entering
// links: relative path (UTF-8, folders end in a backslash) -> attributes and
// contents. Two equal snapshots mean the tree is byte-for-byte the same.
struct Entry {
  DWORD attributes;
  std::string bytes;
  bool operator==(const Entry&) const = default;
};
using Snapshot = std::map<std::string, Entry>;

std::string ReadWide(const std::wstring& path) {
  platform::FileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (file && ::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    bytes.append(buffer, got);
  }
  return bytes;
}

void SnapshotInto(const std::wstring& folder, const std::string& relative, Snapshot& out) {
  WIN32_FIND_DATAW data;
  platform::FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
  if (!find) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    const std::string rel = relative + platform::ToUtf8(name);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[rel + "\\"] = {data.dwFileAttributes, {}};
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        SnapshotInto(path, rel + "\\", out);
      }
    } else {
      out[rel] = {data.dwFileAttributes, ReadWide(path)};
    }
  } while (FindNextFileW(find.Get(), &data));
}

// Empties a folder with the test's own means, without entering links.
void ClearFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  platform::FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
  if (!find) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileW(path.c_str());
    } else if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      ClearFolder(path);
      RemoveDirectoryW(path.c_str());
    }
  } while (FindNextFileW(find.Get(), &data));
}

Snapshot Take(const std::string& folder) {
  Snapshot snapshot;
  SnapshotInto(platform::Widen(folder), "", snapshot);
  return snapshot;
}

// Creates files of the given sizes below `root` ("a\\b.txt" -> 12 bytes).
void Build(const std::string& root, const std::vector<std::pair<std::string, size_t>>& files) {
  for (const auto& [path, size] : files) WriteFile(root + "\\" + path, std::string(size, 'x'));
}

void CreateWide(const std::wstring& path, const std::string& bytes) {
  platform::FileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void AddAttributes(const std::string& path, DWORD attributes) {
  SetFileAttributesA(path.c_str(), GetFileAttributesA(path.c_str()) | attributes);
}

DWORD AttributesOf(const std::string& path) {
  return GetFileAttributesA(path.c_str());
}

// A link whose target is gone reads as INVALID_FILE_ATTRIBUTES, every bit set.
bool IsLinkedFolder(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::string Env(const char* name) {
  char value[MAX_PATH] = {};
  GetEnvironmentVariableA(name, value, MAX_PATH);
  return value;
}

using FolderOp = std::function<double(const std::string&)>;

struct NamedOp {
  const char* name;
  FolderOp op;
};

// Every file operation, with arguments that would match something.
std::vector<NamedOp> AllFolderOps() {
  using namespace allerase;
  return {
      {"DeleteNamedFilesInTree", [](auto& f) { return DeleteNamedFilesInTree(f, "f.txt"); }},
      {"DeleteAllFilesInTree", [](auto& f) { return DeleteAllFilesInTree(f); }},
      {"DeleteFilesByExtInTree", [](auto& f) { return DeleteFilesByExtInTree(f, "txt"); }},
      {"DeleteNamedFoldersInTree", [](auto& f) { return DeleteNamedFoldersInTree(f, "sub"); }},
      {"EmptyFolder", [](auto& f) { return EmptyFolder(f); }},
      {"DeleteFilesInFolder", [](auto& f) { return DeleteFilesInFolder(f); }},
      {"DeleteNamedFileInFolder", [](auto& f) { return DeleteNamedFileInFolder(f, "f.txt"); }},
      {"DeleteFilesByExtInFolder", [](auto& f) { return DeleteFilesByExtInFolder(f, "txt"); }},
      {"FolderSize", [](auto& f) { return FolderSize(f); }},
  };
}

// ---------------------------------------------------------------------------
// What each operation erases, and that its preview foresees exactly that.

const std::vector<std::pair<std::string, size_t>> kMixedTree = {
    {"places.sqlite", 100},
    {"index.dat", 101},
    {"other\\Index.dat", 102},  // the same folder could not hold both names
    {"a.TMP", 103},
    {"b.tmp", 104},
    {"c.tmp.bak", 105},
    {"README", 106},
    {"sub\\places.sqlite", 200},
    {"sub\\b.tmp", 201},
    {"sub\\deep\\places.sqlite", 300},
    {"sub\\deep\\index.dat", 301},
    {"sub\\Cache\\f1.bin", 400},
    {"sub\\Cache\\nested\\cache\\f2.bin", 401},
    {"other\\cache\\f3.tmp", 500},
    {"other\\keep.txt", 501},
};

struct MatchCase {
  const char* name;
  FolderOp op;
  std::vector<std::string> erased;  // files, or folders ending in a backslash
  double bytes;
};

TEST(AlleraseMatching, EachOperationErasesExactlyItsItemsAndPreviewForeseesThem) {
  using namespace allerase;
  const double everything =
      100 + 101 + 102 + 103 + 104 + 105 + 106 + 200 + 201 + 300 + 301 + 400 + 401 + 500 + 501;
  const double topLevel = 100 + 101 + 103 + 104 + 105 + 106;
  const std::vector<MatchCase> cases = {
      {"named files at any depth",
       [](auto& f) { return DeleteNamedFilesInTree(f, "places.sqlite"); },
       {"places.sqlite", "sub\\places.sqlite", "sub\\deep\\places.sqlite"},
       600},
      {"named files compare with case",
       [](auto& f) { return DeleteNamedFilesInTree(f, "index.dat"); },
       {"index.dat", "sub\\deep\\index.dat"},
       402},
      {"extension lower-cased, last point only",
       [](auto& f) { return DeleteFilesByExtInTree(f, "tmp"); },
       {"a.TMP", "b.tmp", "sub\\b.tmp", "other\\cache\\f3.tmp"},
       908},
      {"extension given in capitals never matches",
       [](auto& f) { return DeleteFilesByExtInTree(f, "TMP"); },
       {},
       0},
      {"extension after the last point",
       [](auto& f) { return DeleteFilesByExtInTree(f, "bak"); },
       {"c.tmp.bak"},
       105},
      {"all files, folders stay",
       [](auto& f) { return DeleteAllFilesInTree(f); },
       {"places.sqlite", "index.dat", "a.TMP", "b.tmp", "c.tmp.bak", "README", "sub\\places.sqlite",
        "sub\\b.tmp", "sub\\deep\\places.sqlite", "sub\\deep\\index.dat", "sub\\Cache\\f1.bin",
        "sub\\Cache\\nested\\cache\\f2.bin", "other\\cache\\f3.tmp", "other\\keep.txt",
        "other\\Index.dat"},
       everything},
      {"files of the folder only",
       [](auto& f) { return DeleteFilesInFolder(f); },
       {"places.sqlite", "index.dat", "a.TMP", "b.tmp", "c.tmp.bak", "README"},
       topLevel},
      {"named file of the folder only",
       [](auto& f) { return DeleteNamedFileInFolder(f, "places.sqlite"); },
       {"places.sqlite"},
       100},
      {"extension in the folder only",
       [](auto& f) { return DeleteFilesByExtInFolder(f, "tmp"); },
       {"a.TMP", "b.tmp"},
       207},
      {"no extension is the empty extension",
       [](auto& f) { return DeleteFilesByExtInFolder(f, ""); },
       {"README"},
       106},
      {"named folders lower-cased, with contents, outermost match only",
       [](auto& f) { return DeleteNamedFoldersInTree(f, "cache"); },
       {"sub\\Cache\\", "other\\cache\\"},
       400 + 401 + 500},
      {"folder name given in capitals never matches",
       [](auto& f) { return DeleteNamedFoldersInTree(f, "Cache"); },
       {},
       0},
      {"empty folder takes everything and stays",
       [](auto& f) { return EmptyFolder(f); },
       {"places.sqlite", "index.dat", "a.TMP", "b.tmp", "c.tmp.bak", "README", "sub\\", "other\\"},
       everything},
  };

  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    Build(folder.path(), kMixedTree);
    // Hidden items make the preview's promise to change nothing observable.
    AddAttributes(folder / "README", FILE_ATTRIBUTE_HIDDEN);
    AddAttributes(folder / "sub\\deep\\index.dat", FILE_ATTRIBUTE_HIDDEN);
    const Snapshot before = Take(folder.path());

    Recorder preview;
    double foreseen = 0;
    {
      PreviewScope scope(preview);
      foreseen = c.op(folder.path());
    }
    EXPECT_EQ(Take(folder.path()), before) << "preview changed the tree";

    const double erased = c.op(folder.path());
    EXPECT_EQ(erased, c.bytes);
    EXPECT_EQ(foreseen, erased);
    EXPECT_EQ(preview.Bytes(), erased);

    // Expected survivors: everything not erased and not inside an erased
    // folder. Attributes are left out here; the hidden rules have their own test.
    auto isErased = [&](const std::string& rel) {
      return std::any_of(c.erased.begin(), c.erased.end(), [&](const std::string& e) {
        return rel == e || (e.back() == '\\' && rel.starts_with(e));
      });
    };
    std::vector<std::string> expected, actual, reported;
    for (const auto& [rel, entry] : before) {
      if (!isErased(rel)) expected.push_back(rel);
    }
    for (const auto& [rel, entry] : Take(folder.path())) actual.push_back(rel);
    EXPECT_EQ(actual, expected);
    EXPECT_TRUE(Exists(folder.path()));

    // The preview names each erased item once, by full path; EmptyFolder
    // names the folder itself.
    std::vector<std::string> foreseenPaths;
    if (std::string(c.name).starts_with("empty folder")) {
      foreseenPaths = {folder.path()};
    } else {
      for (const std::string& e : c.erased) {
        foreseenPaths.push_back(folder / (e.back() == '\\' ? e.substr(0, e.size() - 1) : e));
      }
      std::sort(foreseenPaths.begin(), foreseenPaths.end());
    }
    EXPECT_EQ(preview.Paths(), foreseenPaths);
  }
}

TEST(AlleraseMatching, FilesGoBeforeSubfoldersAtEveryLevel) {
  ScratchFolder folder;
  Build(folder.path(), {{"a\\z.log", 1},
                        {"a\\b\\y.log", 1},
                        {"a\\b\\c\\x.log", 1},
                        {"a\\c\\w.log", 1},
                        {"v.log", 1},
                        {"d\\u.log", 1}});
  Recorder preview;
  allerase::PreviewScope scope(preview);
  allerase::DeleteAllFilesInTree(folder.path());

  // Where the walk met each file: every file of a folder comes before anything
  // in that folder's subfolders, and a subfolder is finished before the next.
  std::vector<std::string> order;
  for (const auto& item : preview.items) order.push_back(platform::ToUtf8(item.path));
  ASSERT_EQ(order.size(), 6u);
  auto at = [&](const std::string& rel) {
    return std::find(order.begin(), order.end(), folder / rel) - order.begin();
  };
  EXPECT_EQ(at("v.log"), 0);
  EXPECT_LT(at("a\\z.log"), at("a\\b\\y.log"));
  EXPECT_LT(at("a\\z.log"), at("a\\c\\w.log"));
  EXPECT_LT(at("a\\b\\y.log"), at("a\\b\\c\\x.log"));
  // Depth first: the whole of a\b comes before a\c or the other way round.
  EXPECT_EQ(std::abs(at("a\\b\\y.log") - at("a\\b\\c\\x.log")), 1);
}

// ---------------------------------------------------------------------------
// Attributes and files that resist.

TEST(AlleraseAttributes, HiddenFilesLoseTheBitEvenWhenTheyDoNotMatch) {
  using namespace allerase;
  struct Case {
    const char* name;
    FolderOp op;
    std::string matching;  // deleted although hidden
    std::string other;     // stays, no longer hidden
  };
  const std::vector<Case> cases = {
      {"DeleteNamedFilesInTree", [](auto& f) { return DeleteNamedFilesInTree(f, "m.dat"); },
       "s\\t\\m.dat", "s\\t\\other.dat"},
      {"DeleteFilesByExtInTree", [](auto& f) { return DeleteFilesByExtInTree(f, "dat"); },
       "s\\m.dat", "s\\other.txt"},
      {"DeleteNamedFileInFolder", [](auto& f) { return DeleteNamedFileInFolder(f, "m.dat"); },
       "m.dat", "other.dat"},
      {"DeleteFilesByExtInFolder", [](auto& f) { return DeleteFilesByExtInFolder(f, "dat"); },
       "m.dat", "other.txt"},
      {"DeleteAllFilesInTree", [](auto& f) { return DeleteAllFilesInTree(f); }, "s\\t\\m.dat", ""},
      {"DeleteFilesInFolder", [](auto& f) { return DeleteFilesInFolder(f); }, "m.dat", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    Build(folder.path(), {{c.matching, 7}});
    AddAttributes(folder / c.matching, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    if (!c.other.empty()) {
      Build(folder.path(), {{c.other, 3}});
      AddAttributes(folder / c.other, FILE_ATTRIBUTE_HIDDEN);
    }
    EXPECT_EQ(c.op(folder.path()), 7);
    EXPECT_FALSE(Exists(folder / c.matching));
    if (!c.other.empty()) {
      ASSERT_TRUE(Exists(folder / c.other));
      EXPECT_EQ(AttributesOf(folder / c.other) & FILE_ATTRIBUTE_HIDDEN, 0u);
    }
  }
}

TEST(AlleraseAttributes, NamedFolderWalkUnhidesTheFoldersItSearches) {
  ScratchFolder folder;
  Build(folder.path(), {{"hidden\\plain\\f.bin", 5}, {"hidden\\cache\\g.bin", 6}});
  AddAttributes(folder / "hidden", FILE_ATTRIBUTE_HIDDEN);
  AddAttributes(folder / "hidden\\cache", FILE_ATTRIBUTE_HIDDEN);

  EXPECT_EQ(allerase::DeleteNamedFoldersInTree(folder.path(), "cache"), 6);
  EXPECT_FALSE(Exists(folder / "hidden\\cache"));
  EXPECT_EQ(AttributesOf(folder / "hidden") & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_TRUE(Exists(folder / "hidden\\plain\\f.bin"));
}

TEST(AlleraseAttributes, ReadOnlyFilesResistEverythingButEmptyFolder) {
  using namespace allerase;
  ScratchFolder folder;
  Build(folder.path(), {{"ro.txt", 10}, {"plain.txt", 20}});
  AddAttributes(folder / "ro.txt", FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(DeleteFilesInFolder(folder.path()), 30) << "counted although it stays";
  EXPECT_TRUE(Exists(folder / "ro.txt"));
  EXPECT_FALSE(Exists(folder / "plain.txt"));

  // Folders are deleted without force: the read-only file keeps its folder.
  Build(folder.path(), {{"x\\cache\\ro.bin", 4}, {"x\\cache\\a.bin", 5}});
  AddAttributes(folder / "x\\cache\\ro.bin", FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(DeleteNamedFoldersInTree(folder.path(), "cache"), 9);
  EXPECT_TRUE(Exists(folder / "x\\cache\\ro.bin"));
  EXPECT_FALSE(Exists(folder / "x\\cache\\a.bin"));

  // EmptyFolder forces: ten files, some read-only at any depth, and a hidden
  // folder that comes back plain.
  std::vector<std::pair<std::string, size_t>> ten;
  for (int i = 0; i < 10; ++i)
    ten.push_back({"box\\" + std::string(i % 2 ? "d\\" : "") + "f" + std::to_string(i), 10u + i});
  Build(folder.path(), ten);
  AddAttributes(folder / "box\\f0", FILE_ATTRIBUTE_READONLY);
  AddAttributes(folder / "box\\d\\f1", FILE_ATTRIBUTE_READONLY);
  AddAttributes(folder / "box", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(EmptyFolder(folder / "box"), 10 * 10 + 45);
  EXPECT_TRUE(Take(folder / "box").empty());
  EXPECT_EQ(AttributesOf(folder / "box"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(AlleraseAttributes, FileHeldOpenWithoutSharingIsSkippedButCounted) {
  using namespace allerase;
  struct Case {
    const char* name;
    std::function<double(const ScratchFolder&)> op;
  };
  const std::vector<Case> cases = {
      {"DeleteAllFilesInTree", [](auto& f) { return DeleteAllFilesInTree(f.path()); }},
      {"DeleteFilesByExtInTree", [](auto& f) { return DeleteFilesByExtInTree(f.path(), "log"); }},
      {"DeleteFilesInFolder", [](auto& f) { return DeleteFilesInFolder(f / "d"); }},
      {"DeleteNamedFoldersInTree", [](auto& f) { return DeleteNamedFoldersInTree(f.path(), "d"); }},
      {"EmptyFolder", [](auto& f) { return EmptyFolder(f.path()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    Build(folder.path(), {{"d\\locked.log", 50}, {"d\\free.log", 25}});
    {
      platform::FileHandle hold(CreateFileA((folder / "d\\locked.log").c_str(), GENERIC_READ, 0,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
      ASSERT_TRUE(hold.Valid());
      EXPECT_EQ(c.op(folder), 75);
    }
    EXPECT_FALSE(Exists(folder / "d\\free.log"));
    EXPECT_EQ(ReadFile(folder / "d\\locked.log"), std::string(50, 'x'));
  }
}

// ---------------------------------------------------------------------------
// Folders that must not be walked, and folders that are not there.

TEST(AlleraseSafety, FolderThatIsNotAFullPathOrIsARootTouchesNothing) {
  ScratchFolder folder;
  // "Error" is what a failed registry read hands a caller.
  Build(folder.path(), {{"Error\\Cache\\f.txt", 8}, {"Error\\sub\\f.txt", 9}});
  const Snapshot before = Take(folder.path());
  {
    testing_support::ScopedCurrentDirectory current(folder.path());
    for (const char* relative : {"Error\\Cache", "Error", "", ".\\Error", "\\Error"}) {
      for (const NamedOp& op : AllFolderOps()) {
        SCOPED_TRACE(std::string(op.name) + " on \"" + relative + "\"");
        EXPECT_EQ(op.op(relative), 0);
      }
    }
  }
  EXPECT_EQ(Take(folder.path()), before);

  // Roots are tried in preview only: a walk that got through would report
  // items, and nothing is at risk if the guard ever fails.
  const std::string drive = folder.path().substr(0, 2);  // "C:"
  for (const std::string& root :
       {drive + "\\", drive + "/", drive, drive + "\\.", drive + "\\..\\",
        folder / "..\\..\\..\\..\\..", drive + "Error\\Cache",
        std::string("\\\\?\\") + drive + "\\", std::string("\\\\.\\") + drive, drive + "\\NUL",
        std::string("\\\\server\\share"), std::string("\\\\server\\share\\"),
        std::string("\\\\server")}) {
    for (const NamedOp& op : AllFolderOps()) {
      SCOPED_TRACE(std::string(op.name) + " on \"" + root + "\"");
      Recorder preview;
      allerase::PreviewScope scope(preview);
      EXPECT_EQ(op.op(root), 0);
      EXPECT_TRUE(preview.items.empty()) << preview.Paths().front();
    }
  }
}

TEST(AlleraseSafety, MissingFolderOrAFileYieldsNothing) {
  ScratchFolder folder;
  Build(folder.path(), {{"file.txt", 5}});
  for (const NamedOp& op : AllFolderOps()) {
    SCOPED_TRACE(op.name);
    EXPECT_EQ(op.op(folder / "absent\\deeper"), 0);
    EXPECT_EQ(op.op(folder / "file.txt"), 0);
    EXPECT_EQ(ReadFile(folder / "file.txt"), "xxxxx");
  }
  EXPECT_FALSE(Exists(folder / "absent"));

  // Emptying always ends with the folder in place, even one that was missing.
  EXPECT_EQ(allerase::EmptyFolder(folder / "absent"), 0);
  EXPECT_EQ(AttributesOf(folder / "absent"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// The prefix's user profile holds folders that Wine links to the runner's
// throwaway home (Documents, Desktop, ...); they show as reparse points.
class AlleraseLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    profile = Env("USERPROFILE");
    ASSERT_FALSE(profile.empty());
    documents = profile + "\\Documents";
    ASSERT_TRUE(IsLinkedFolder(documents)) << "the test prefix no longer links Documents";
    // Unique names, so a walk of the whole profile matches nothing but ours.
    probe = "murvane-probe-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount64());
    ASSERT_EQ(folder.path().rfind(profile + "\\", 0), 0u) << "scratch is outside the profile";
  }
  void TearDown() override {
    // Clean what the test left behind the link, with the test's own helpers.
    DeleteFileA((documents + "\\" + probe + ".txt").c_str());
    DeleteFileA((documents + "\\" + probe + "\\f.bin").c_str());
    RemoveDirectoryA((documents + "\\" + probe).c_str());
  }
  ScratchFolder folder;
  std::string profile, documents, probe;
};

TEST_F(AlleraseLinks, WalkStartedAboveALinkedFolderDoesNotEnterIt) {
  using namespace allerase;
  Build(folder.path(), {{probe + ".txt", 11}, {probe + "\\f.bin", 12}});
  Build(documents, {{probe + ".txt", 21}, {probe + "\\f.bin", 22}});

  // Erasing from the top of the profile: the copies inside the tree go, the
  // ones behind the link stay.
  EXPECT_EQ(DeleteNamedFilesInTree(profile, probe + ".txt"), 11);
  EXPECT_EQ(DeleteNamedFoldersInTree(profile, probe), 12);
  EXPECT_FALSE(Exists(folder / (probe + ".txt")));
  EXPECT_FALSE(Exists(folder / probe));
  EXPECT_EQ(ReadFile(documents + "\\" + probe + ".txt"), std::string(21, 'x'));
  EXPECT_EQ(ReadFile(documents + "\\" + probe + "\\f.bin"), std::string(22, 'x'));

  // The walks that would take everything are watched in preview: nothing
  // they would erase or count lies behind a link.
  const double sizeBefore = FolderSize(profile);
  Build(documents, {{probe + "\\f.bin", 100000}});
  EXPECT_EQ(FolderSize(profile), sizeBefore);
  std::vector<std::string> links;
  for (const auto& [rel, entry] : Take(profile)) {
    if (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) links.push_back(profile + "\\" + rel);
  }
  ASSERT_FALSE(links.empty());
  for (const NamedOp& op : AllFolderOps()) {
    SCOPED_TRACE(op.name);
    Recorder preview;
    PreviewScope scope(preview);
    op.op(profile);
    for (const std::string& path : preview.Paths()) {
      for (const std::string& link : links) EXPECT_NE(path.rfind(link, 0), 0u) << path;
    }
  }
  // And the preview walk did run through the rest of the profile.
  Build(folder.path(), {{"seen.txt", 1}});
  Recorder preview;
  {
    PreviewScope scope(preview);
    DeleteAllFilesInTree(profile);
  }
  const std::vector<std::string> seen = preview.Paths();
  EXPECT_NE(std::find(seen.begin(), seen.end(), folder / "seen.txt"), seen.end());
}

TEST_F(AlleraseLinks, NamedFolderThatIsALinkCountsNothingAndLeavesTheTargetAlone) {
  using namespace allerase;
  // Music links to the same place as Documents.
  const std::string music = profile + "\\Music";
  ASSERT_TRUE(IsLinkedFolder(music));
  Build(documents, {{probe + "\\f.bin", 30}});
  {
    Recorder preview;
    PreviewScope scope(preview);
    EXPECT_EQ(DeleteNamedFoldersInTree(profile, "music"), 0);
    ASSERT_EQ(preview.items.size(), 1u);
    EXPECT_EQ(platform::ToUtf8(preview.items[0].path), music);
    EXPECT_EQ(preview.items[0].bytes, 0);
  }
  EXPECT_EQ(DeleteNamedFoldersInTree(profile, "music"), 0);
  EXPECT_EQ(ReadFile(documents + "\\" + probe + "\\f.bin"), std::string(30, 'x'));

  // Deleting through a link can reach its target (Wine does so): an empty
  // target must not be removed in the link's place.
  ClearFolder(platform::Widen(documents));
  ASSERT_TRUE(Take(documents).empty());
  EXPECT_EQ(DeleteNamedFoldersInTree(profile, "music"), 0);
  EXPECT_TRUE(IsLinkedFolder(documents)) << "the folder the links lead to is gone";
}

TEST_F(AlleraseLinks, FolderNamedThroughALinkIsCleanedAndTheLinkStays) {
  using namespace allerase;
  // A folder below a link: taken as given.
  const std::string inside = documents + "\\" + probe;
  Build(inside, {{"a\\f.bin", 40}, {"g.bin", 2}});
  EXPECT_EQ(DeleteAllFilesInTree(inside), 42);
  EXPECT_FALSE(Exists(inside + "\\a\\f.bin"));
  RemoveDirectoryA((inside + "\\a").c_str());

  // The link itself, emptied: what it points to is emptied, the link stays.
  Build(inside, {{"f.bin", 7}});
  Build(documents, {{probe + ".txt", 3}});
  double there = 0;
  for (const auto& [rel, entry] : Take(documents)) there += static_cast<double>(entry.bytes.size());
  EXPECT_EQ(EmptyFolder(documents), there);
  EXPECT_TRUE(IsLinkedFolder(documents));
  EXPECT_TRUE(Take(documents).empty());
}

// ---------------------------------------------------------------------------
// Names the ANSI code page cannot hold, paths longer than MAX_PATH.

TEST(AlleraseWide, FilesWithNonAnsiNamesAreFoundAndErased) {
  using namespace allerase;
  struct Case {
    const char* name;
    FolderOp op;
    bool erases;
  };
  const std::vector<Case> cases = {
      {"DeleteAllFilesInTree", [](auto& f) { return DeleteAllFilesInTree(f); }, true},
      {"DeleteFilesByExtInTree", [](auto& f) { return DeleteFilesByExtInTree(f, "tmp"); }, true},
      {"DeleteFilesInFolder", [](auto& f) { return DeleteFilesInFolder(f + "\\sub"); }, true},
      {"EmptyFolder", [](auto& f) { return EmptyFolder(f); }, true},
      // The names narrow to question marks; a name of question marks must
      // still not match them.
      {"DeleteNamedFilesInTree", [](auto& f) { return DeleteNamedFilesInTree(f, "?????.tmp"); },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    const std::wstring sub = platform::Widen(folder / "sub");
    CreateDirectoryW(sub.c_str(), nullptr);
    const std::wstring greek = sub + L"\\\x03a9\x03bc\x03ad\x03b3\x03b1.TMP";  // Ωμέγα.TMP
    const std::wstring cjk = sub + L"\\\x7f13\x5b58\x6587\x4ef6\x5939.tmp";  // 缓存文件夹.tmp
    CreateWide(greek, "12345");
    CreateWide(cjk, "123");
    ASSERT_NE(GetFileAttributesW(greek.c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(c.op(folder.path()), c.erases ? 8 : 0);
    EXPECT_EQ(GetFileAttributesW(greek.c_str()) == INVALID_FILE_ATTRIBUTES, c.erases);
    EXPECT_EQ(GetFileAttributesW(cjk.c_str()) == INVALID_FILE_ATTRIBUTES, c.erases);
    DeleteFileW(greek.c_str());
    DeleteFileW(cjk.c_str());
  }
}

TEST(AlleraseWide, PreviewNamesNonAnsiFilesExactly) {
  ScratchFolder folder;
  const std::wstring path = platform::Widen(folder.path()) + L"\\\x03a9.log";
  CreateWide(path, "x");
  Recorder preview;
  {
    allerase::PreviewScope scope(preview);
    EXPECT_EQ(allerase::DeleteFilesByExtInFolder(folder.path(), "log"), 1);
  }
  ASSERT_EQ(preview.items.size(), 1u);
  EXPECT_EQ(preview.items[0].path, path);
  DeleteFileW(path.c_str());
}

TEST(AlleraseWide, TreesDeeperThanMaxPathAreErased) {
  ScratchFolder folder;
  std::wstring deep = L"\\\\?\\" + platform::Widen(folder.path());
  for (int i = 0; i < 12; ++i) {
    deep += L"\\level-" + std::to_wstring(i) + L"-abcdefghijklmnopqrstuvwxyz";
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
  }
  ASSERT_GT(deep.size(), 300u);
  CreateWide(deep + L"\\f.dat", "1234");
  CreateWide(deep + L"\\g.tmp", "12");

  EXPECT_EQ(allerase::DeleteFilesByExtInTree(folder.path(), "dat"), 4);
  EXPECT_EQ(GetFileAttributesW((deep + L"\\f.dat").c_str()), INVALID_FILE_ATTRIBUTES);
  // The helpers of the test support cannot reach so deep; the code under
  // test clears it away.
  EXPECT_EQ(allerase::DeleteNamedFoldersInTree(folder.path(), "level-0-abcdefghijklmnopqrstuvwxyz"),
            2);
  EXPECT_TRUE(Take(folder.path()).empty());
}

// ---------------------------------------------------------------------------
// Registry and INI sections.

// Every key and value below a key: "sub\\key\\" for keys, "sub\\key\\:name"
// -> type and data for values.
void SnapshotKey(HKEY key, const std::string& relative, std::map<std::string, std::string>& out) {
  char name[256];
  BYTE data[1024];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
    if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &dataLength) !=
        ERROR_SUCCESS) {
      break;
    }
    out[relative + ":" + name] =
        std::to_string(type) + "=" + std::string(reinterpret_cast<char*>(data), dataLength);
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    const std::string child = relative + name + "\\";
    out[child] = "";
    platform::RegKey sub;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, sub.Receive()) == ERROR_SUCCESS) {
      SnapshotKey(sub.Get(), child, out);
    }
  }
}

std::map<std::string, std::string> SnapshotKey(const ScratchKey& scratch) {
  std::map<std::string, std::string> out;
  platform::RegKey key;
  RegOpenKeyExA(HKEY_CURRENT_USER, scratch.subkey().c_str(), 0, KEY_READ, key.Receive());
  SnapshotKey(key.Get(), "", out);
  return out;
}

void SetValue(const std::string& subkey, const char* name, const std::string& text) {
  platform::RegKey key;
  RegCreateKeyA(HKEY_CURRENT_USER, subkey.c_str(), key.Receive());
  RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
}

TEST(AlleraseRegistry, CreditsWhateverHappensAndPreviewForeseesTheChange) {
  using namespace allerase;
  struct Case {
    const char* name;
    std::function<int(const std::string&)> op;  // given the scratch subkey
    int credit;
    std::vector<std::string> gone;  // snapshot entries erased
    std::string reported;           // what preview names, below the scratch key ("" for nothing)
  };
  const std::vector<Case> cases = {
      {"key without subkeys goes with its values",
       [](auto& k) { return DeleteRegKey(HKEY_CURRENT_USER, k + "\\Leaf"); },
       3,
       {"Leaf\\", "Leaf\\:v"},
       "Leaf"},
      {"key with a subkey stays",
       [](auto& k) { return DeleteRegKey(HKEY_CURRENT_USER, k + "\\Tree"); },
       3,
       {},
       ""},
      {"missing key",
       [](auto& k) { return DeleteRegKey(HKEY_CURRENT_USER, k + "\\No\\Such"); },
       3,
       {},
       ""},
      {"tree goes whole",
       [](auto& k) { return DeleteRegTree(HKEY_CURRENT_USER, k + "\\Tree"); },
       5,
       {"Tree\\", "Tree\\:t", "Tree\\Child\\", "Tree\\Child\\:c"},
       "Tree"},
      {"missing tree",
       [](auto& k) { return DeleteRegTree(HKEY_CURRENT_USER, k + "\\Absent"); },
       5,
       {},
       ""},
      {"value goes, its neighbour stays",
       [](auto& k) { return DeleteRegValue(HKEY_CURRENT_USER, k + "\\Leaf", "v"); },
       1,
       {"Leaf\\:v"},
       "Leaf\\v"},
      {"missing value",
       [](auto& k) { return DeleteRegValue(HKEY_CURRENT_USER, k + "\\Leaf", "nope"); },
       1,
       {},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchKey scratch;
    SetValue(scratch.subkey() + "\\Leaf", "v", "one");
    SetValue(scratch.subkey() + "\\Tree", "t", "two");
    SetValue(scratch.subkey() + "\\Tree\\Child", "c", "three");
    SetValue(scratch.subkey(), "top", "four");
    const auto before = SnapshotKey(scratch);

    Recorder preview;
    {
      PreviewScope scope(preview);
      EXPECT_EQ(c.op(scratch.subkey()), c.credit);
    }
    EXPECT_EQ(SnapshotKey(scratch), before) << "preview changed the registry";
    std::vector<std::string> expectedReport;
    if (!c.reported.empty()) {
      expectedReport.push_back("HKEY_CURRENT_USER\\" + scratch.subkey() + "\\" + c.reported);
    }
    EXPECT_EQ(preview.Paths(), expectedReport);

    EXPECT_EQ(c.op(scratch.subkey()), c.credit);
    auto expected = before;
    for (const std::string& entry : c.gone) expected.erase(entry);
    EXPECT_EQ(SnapshotKey(scratch), expected);
  }
  // Deleting a missing key must not create it, nor the keys above it.
  ScratchKey scratch;
  DeleteRegKey(HKEY_CURRENT_USER, scratch.subkey() + "\\No\\Such");
  EXPECT_TRUE(SnapshotKey(scratch).empty());
}

TEST(AlleraseRegistry, EmptySubkeyNeverErasesTheWholeRoot) {
  using namespace allerase;
  ScratchKey scratch;
  SetValue(scratch.subkey() + "\\Child", "c", "x");
  SetValue(scratch.subkey(), "v", "y");
  const auto before = SnapshotKey(scratch);
  // The scratch key stands in for a root, so a failure destroys only it.
  platform::RegKey root;
  ASSERT_EQ(
      RegOpenKeyExA(HKEY_CURRENT_USER, scratch.subkey().c_str(), 0, KEY_ALL_ACCESS, root.Receive()),
      ERROR_SUCCESS);
  for (const char* subkey : {"", "\\", "\\\\"}) {
    SCOPED_TRACE(std::string("subkey \"") + subkey + "\"");
    EXPECT_EQ(DeleteRegTree(root.Get(), subkey), 5);
    EXPECT_EQ(DeleteRegKey(root.Get(), subkey), 3);
    Recorder preview;
    PreviewScope scope(preview);
    EXPECT_EQ(DeleteRegTree(root.Get(), subkey), 5);
    EXPECT_TRUE(preview.items.empty());
  }
  EXPECT_EQ(SnapshotKey(scratch), before);
}

TEST(AlleraseIni, SectionGoesWithItsKeysOthersStay) {
  ScratchFolder folder;
  const std::string file = folder / "plugin.ini";
  const std::string text = "[Keep]\r\na=1\r\n[Drop]\r\nb=2\r\nc=3\r\n[Tail]\r\nd=4\r\n";
  WriteFile(file, text);

  Recorder preview;
  {
    allerase::PreviewScope scope(preview);
    allerase::DeleteIniSection(file, "drop");
    allerase::DeleteIniSection(file, "Absent");
  }
  EXPECT_EQ(ReadFile(file), text);
  EXPECT_EQ(preview.Paths(), std::vector<std::string>{file + " [drop]"});

  allerase::DeleteIniSection(file, "drop");
  const std::string after = ReadFile(file);
  EXPECT_EQ(after.find("Drop"), std::string::npos) << after;
  EXPECT_EQ(after.find("b=2"), std::string::npos) << after;
  EXPECT_NE(after.find("a=1"), std::string::npos) << after;
  EXPECT_NE(after.find("d=4"), std::string::npos) << after;

  // A missing file is not created to remove a section from it.
  allerase::DeleteIniSection(folder / "absent.ini", "Drop");
  EXPECT_FALSE(Exists(folder / "absent.ini"));
}

// A track may take a section out of a settings file and a later one delete
// the file (Maxthon's typed addresses, then its settings): the pass releases
// the file without the section, and the preview must count it so too.
TEST(AlleraseIni, PreviewCountsAFileWithoutTheSectionItTookOut) {
  using namespace allerase;
  const std::string section = " [Drop] \r\nb=2\r\nc=3\r\n";
  const std::string text = "[Keep]\r\na=1\r\n" + section + "[Tail]\r\nd=4\r\n";
  const std::vector<std::pair<const char*, std::function<double(const std::string&)>>> thenErase = {
      {"the file by name", [](auto& f) { return DeleteNamedFileInFolder(f, "settings.ini"); }},
      {"the folder emptied", [](auto& f) { return EmptyFolder(f); }},
  };
  for (const auto& [name, erase] : thenErase) {
    SCOPED_TRACE(name);
    ScratchFolder folder;
    WriteFile(folder / "settings.ini", text);
    double foreseen = 0;
    {
      Recorder preview;
      PreviewScope scope(preview);
      DeleteIniSection(folder / "settings.ini", "drop");
      foreseen = erase(folder.path());
    }
    DeleteIniSection(folder / "settings.ini", "drop");
    EXPECT_EQ(foreseen, erase(folder.path()));
    EXPECT_EQ(foreseen, static_cast<double>(text.size() - section.size()));
  }
}

// ---------------------------------------------------------------------------
// Preview scopes and the message loop.

TEST(AllerasePreview, ScopesNestAndEnd) {
  using namespace allerase;
  ScratchFolder folder;
  Build(folder.path(), {{"f.txt", 3}});
  EXPECT_FALSE(InPreview());
  Recorder outer, inner;
  {
    PreviewScope a(outer);
    {
      PreviewScope b(inner);
      EXPECT_TRUE(InPreview());
      ReportPreviewAction("Empty the recycle bin");
    }
    DeleteAllFilesInTree(folder.path());
  }
  EXPECT_FALSE(InPreview());
  ReportPreviewAction("not in preview: reported nowhere");
  ASSERT_EQ(inner.items.size(), 1u);
  EXPECT_EQ(inner.items[0].kind, ItemKind::Action);
  EXPECT_EQ(inner.items[0].path, L"Empty the recycle bin");
  ASSERT_EQ(outer.items.size(), 1u);
  EXPECT_EQ(outer.items[0].kind, ItemKind::File);
  EXPECT_TRUE(Exists(folder / "f.txt"));
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    ++*reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(AlleraseMessages, LongWalksLetTheMessageLoopRun) {
  using namespace allerase;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = CountingProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "AlleraseTestCounter";
  RegisterClassA(&windowClass);
  platform::WindowHandle window(CreateWindowA("AlleraseTestCounter", "", 0, 0, 0, 0, 0,
                                              HWND_MESSAGE, nullptr, windowClass.hInstance,
                                              nullptr));
  ASSERT_TRUE(window.Valid());
  int handled = 0;
  SetWindowLongPtrA(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled));

  for (const NamedOp& op : AllFolderOps()) {
    SCOPED_TRACE(op.name);
    ScratchFolder folder;
    std::vector<std::pair<std::string, size_t>> files;
    for (int i = 0; i < 40; ++i) files.push_back({"sub\\f" + std::to_string(i) + ".txt", 1});
    Build(folder.path(), files);
    handled = 0;
    PostMessageA(window.Get(), WM_APP, 0, 0);
    Sleep(20);  // past the walk's 10 ms between looks at the queue
    op.op(folder.path());
    EXPECT_EQ(handled, 1);
    MSG drain;
    while (PeekMessageA(&drain, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&drain);
  }
}

}  // namespace

namespace {

// A pass runs many operations under one preview; when two of them reach the
// same item the second finds it gone after erasing, so the preview must too,
// or its totals and its list run ahead of the pass.
TEST(AllerasePreview, LaterOperationsSeeWhatEarlierOnesErased) {
  using namespace allerase;
  struct Step {
    std::function<double(const std::string& folder, const std::string& key)> op;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    size_t reported;  // items the preview lists
  };
  const auto folderOp = [](std::function<double(const std::string&)> op) {
    return Step{[op](const std::string& folder, const std::string&) { return op(folder); }};
  };
  const auto keyOp = [](std::function<int(const std::string&)> op) {
    return Step{[op](const std::string&, const std::string& key) { return op(key); }};
  };
  const std::vector<Case> cases = {
      {"the same file by two tracks",
       {folderOp([](auto& f) { return DeleteNamedFilesInTree(f, "places.sqlite"); }),
        folderOp([](auto& f) { return DeleteNamedFilesInTree(f, "places.sqlite"); })},
       3},
      {"files, then the folder emptied",
       {folderOp([](auto& f) { return DeleteAllFilesInTree(f + "\\sub"); }),
        folderOp([](auto& f) { return EmptyFolder(f + "\\sub"); })},
       7},
      {"a folder, then files inside it",
       {folderOp([](auto& f) { return DeleteNamedFoldersInTree(f, "cache"); }),
        folderOp([](auto& f) { return DeleteAllFilesInTree(f + "\\sub\\Cache"); }),
        folderOp([](auto& f) { return FolderSize(f + "\\other"); })},
       2},
      {"an emptied folder, then a walk above it",
       {folderOp([](auto& f) { return EmptyFolder(f + "\\sub\\deep"); }),
        folderOp([](auto& f) { return DeleteFilesByExtInTree(f, "dat"); })},
       3},
      {"a tree, then a value in it",
       {keyOp([](auto& k) { return DeleteRegTree(HKEY_CURRENT_USER, k + "\\Tree"); }),
        keyOp([](auto& k) { return DeleteRegValue(HKEY_CURRENT_USER, k + "\\Tree\\Child", "c"); }),
        keyOp([](auto& k) { return DeleteRegKey(HKEY_CURRENT_USER, k + "\\Tree\\Child"); })},
       1},
      {"subkeys, then their parent as a key without subkeys",
       {keyOp([](auto& k) { return DeleteRegTree(HKEY_CURRENT_USER, k + "\\Tree\\Child"); }),
        keyOp([](auto& k) { return DeleteRegKey(HKEY_CURRENT_USER, k + "\\Tree"); })},
       2},
      {"the same key written with a doubled backslash",
       {keyOp([](auto& k) { return DeleteRegTree(HKEY_CURRENT_USER, k + "\\Leaf"); }),
        keyOp([](auto& k) { return DeleteRegTree(HKEY_CURRENT_USER, k + "\\\\leaf"); })},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    Build(folder.path(), kMixedTree);
    ScratchKey scratch;
    SetValue(scratch.subkey() + "\\Leaf", "v", "one");
    SetValue(scratch.subkey() + "\\Tree", "t", "two");
    SetValue(scratch.subkey() + "\\Tree\\Child", "c", "three");
    const Snapshot files = Take(folder.path());
    const auto keys = SnapshotKey(scratch);

    Recorder preview;
    std::vector<double> foreseen;
    {
      PreviewScope scope(preview);
      for (const Step& step : c.steps) foreseen.push_back(step.op(folder.path(), scratch.subkey()));
    }
    EXPECT_EQ(Take(folder.path()), files);
    EXPECT_EQ(SnapshotKey(scratch), keys);
    EXPECT_EQ(preview.items.size(), c.reported);

    std::vector<double> erased;
    for (const Step& step : c.steps) erased.push_back(step.op(folder.path(), scratch.subkey()));
    EXPECT_EQ(foreseen, erased);
  }
}

}  // namespace
