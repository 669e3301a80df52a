#include "support/track_profile.h"

#include <algorithm>

#include <gtest/gtest.h>
#include <shlwapi.h>

#include "platform/handles.h"
#include "platform/text.h"
#include "primitives/inifun.h"

namespace testing_support {
namespace {

bool IsFixedPath(const std::string& name) {
  return name.size() > 2 && name[1] == ':';
}

bool IsRegistryItem(const std::string& name) {
  return name.starts_with("HKCU\\") || name.starts_with("HKLM\\");
}

// "file[Section]" -> file, section.
bool SplitIniItem(const std::string& name, std::string& file, std::string& section) {
  const size_t open = name.rfind('[');
  if (name.empty() || name.back() != ']' || open == std::string::npos) return false;
  file = name.substr(0, open);
  section = name.substr(open + 1, name.size() - open - 2);
  return true;
}

void RemoveKey(const std::string& key) {
  std::string subkey;
  if (HKEY root = SplitKey(key, subkey); root && !subkey.empty())
    SHDeleteKeyA(root, subkey.c_str());
}

}  // namespace

HKEY SplitKey(const std::string& key, std::string& subkey) {
  HKEY root = nullptr;
  if (key.starts_with("HKCU\\")) root = HKEY_CURRENT_USER;
  if (key.starts_with("HKLM\\")) root = HKEY_LOCAL_MACHINE;
  if (root) subkey = key.substr(5);
  return root;
}

void SetRegString(const std::string& key, const std::string& valueName, const std::string& data) {
  std::string subkey;
  const HKEY root = SplitKey(key, subkey);
  platform::RegKey handle;
  if (!root || RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                               handle.Receive(), nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(handle.Get(), valueName.empty() ? nullptr : valueName.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
}

bool KeyExists(const std::string& key) {
  std::string subkey;
  const HKEY root = SplitKey(key, subkey);
  platform::RegKey handle;
  return root &&
         RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, handle.Receive()) == ERROR_SUCCESS;
}

UserProfile::UserProfile() {
  for (const char* folder : {"Roaming", "Local", "Documents", "Program"}) MakeFolders(Path(folder));
  documents_ = Documents();
}

UserProfile::~UserProfile() {
  for (const std::string& key : claimedKeys_) RemoveKey(key);
  for (const std::string& folder : claimedFolders_) RemoveTree(folder);
}

std::string UserProfile::Path(const std::string& name) const {
  return IsFixedPath(name) ? name : scratch_ / name;
}

void UserProfile::AddFile(const std::string& name, size_t size) {
  if (size == 0) size = nextSize_++;
  // A profile holds some 150 files; making each folder once and writing
  // through the platform directly keeps a build well under a second in Wine.
  const std::string path = Path(name);
  MakeFoldersOnce(path.substr(0, path.find_last_of('\\')));
  const std::string bytes(size, 'x');
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  items_.push_back(name);
  sizes_[name] = size;
}

void UserProfile::AddFiles(const std::string& folder, std::initializer_list<const char*> names) {
  const std::string prefix = folder.ends_with('\\') ? folder : folder + "\\";
  for (const char* name : names) AddFile(prefix + name);
}

void UserProfile::MakeFoldersOnce(const std::string& path) {
  if (madeFolders_.insert(path).second) MakeFolders(path);
}

void UserProfile::AddFolder(const std::string& name) {
  MakeFoldersOnce(Path(name));
  items_.push_back(name);
}

void UserProfile::TrackFile(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  GetFileAttributesExA(Path(name).c_str(), GetFileExInfoStandard, &data);
  items_.push_back(name);
  sizes_[name] = data.nFileSizeLow;
}

void UserProfile::AddKey(const std::string& key) {
  SetRegString(key, "Data", "x");
  items_.push_back(key);
}

void UserProfile::AddValue(const std::string& key, const std::string& valueName,
                           const std::string& data) {
  SetRegString(key, valueName, data);
  items_.push_back(key + "|" + valueName);
}

void UserProfile::AddIniSection(const std::string& file, const std::string& section) {
  MakeFolders(Path(file).substr(0, Path(file).find_last_of('\\')));
  WritePrivateProfileStringA(section.c_str(), "entry", "value", Path(file).c_str());
  items_.push_back(file + "[" + section + "]");
}

void UserProfile::ClaimKey(const std::string& key) {
  RemoveKey(key);
  claimedKeys_.push_back(key);
}

void UserProfile::ClaimFolder(const std::string& folder) {
  RemoveTree(folder);
  claimedFolders_.push_back(folder);
}

void UserProfile::Select(const std::string& section, const std::string& key,
                         const std::string& value) {
  Inifun::WriteIniValue(ProgramFolder() + "\\prisd.dat", section, key, value);
}

engine::PassEnvironment UserProfile::Environment() const {
  engine::PassEnvironment environment;
  environment.programFolder = ProgramFolder();
  environment.roaming = Roaming();
  environment.local = Local();
  environment.documentsFolder = [this] { return documents_; };
  environment.markedPlugins = [] { return std::vector<std::string>(); };
  return environment;
}

PassResult UserProfile::Run() const {
  PassResult result;
  result.outcome = engine::CleanNow(Environment(), result.view);
  return result;
}

PassResult UserProfile::Preview(allerase::EraseSink& sink) const {
  PassResult result;
  engine::PassRequest request;
  request.preview = true;
  request.sink = &sink;
  result.outcome = engine::CleanNow(Environment(), result.view, request);
  return result;
}

bool UserProfile::Present(const std::string& item) const {
  std::string file;
  std::string section;
  if (IsRegistryItem(item)) {
    const size_t bar = item.find('|');
    if (bar == std::string::npos) return KeyExists(item);
    std::string subkey;
    const HKEY root = SplitKey(item.substr(0, bar), subkey);
    platform::RegKey handle;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, handle.Receive()) != ERROR_SUCCESS) {
      return false;
    }
    return RegQueryValueExA(handle.Get(), item.substr(bar + 1).c_str(), nullptr, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
  }
  if (SplitIniItem(item, file, section)) {
    char buffer[256] = {};
    return GetPrivateProfileSectionA(section.c_str(), buffer, sizeof(buffer), Path(file).c_str()) >
           0;
  }
  return Exists(Path(item));
}

double UserProfile::SizeOf(const std::vector<std::string>& files) const {
  double total = 0;
  for (const std::string& file : files) {
    if (auto found = sizes_.find(file); found != sizes_.end()) total += found->second;
  }
  return total;
}

std::vector<std::string> UserProfile::Unexpected(const std::set<std::string>& gone) const {
  std::vector<std::string> wrong;
  for (const std::string& name : gone) {
    if (std::find(items_.begin(), items_.end(), name) == items_.end()) {
      wrong.push_back("not an item of the profile: " + name);
    }
  }
  for (const std::string& item : items_) {
    const bool shouldBeGone = gone.contains(item);
    if (Present(item) == shouldBeGone) {
      wrong.push_back((shouldBeGone ? "still there: " : "erased: ") + item);
    }
  }
  return wrong;
}

std::set<std::string> AllGone(const std::vector<TrackCase>& cases) {
  std::set<std::string> gone;
  for (const TrackCase& track : cases) gone.insert(track.gone.begin(), track.gone.end());
  return gone;
}

double SizeOf(const UserProfile& profile, const std::set<std::string>& items) {
  return profile.SizeOf(std::vector<std::string>(items.begin(), items.end()));
}

void ExpectTrackAlone(UserProfile& profile, const TrackCase& track, int standing) {
  profile.Select(track.section, track.key);
  const PassResult result = profile.Run();
  const std::vector<RecordingView::Row>& rows = result.view.rows;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].caption, track.caption);
  EXPECT_EQ(rows[0].status, engine::kDone);
  EXPECT_EQ(rows[1].caption, engine::kTaskComplete);
  EXPECT_EQ(result.view.progressAtRow[0], standing);
  const std::set<std::string> gone(track.gone.begin(), track.gone.end());
  EXPECT_EQ(profile.Unexpected(gone), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, profile.SizeOf(track.gone));
  EXPECT_EQ(result.outcome.totals.registry, track.registry);
}

int ProgressBefore(const char* section, const char* key) {
  int standing = engine::kNoProgress;
  for (const engine::PlannedTrack& planned : engine::PassPlan()) {
    if (planned.key && platform::EqualsNoCase(planned.section, section) &&
        platform::EqualsNoCase(planned.key, key)) {
      return standing;
    }
    if (planned.progress != engine::kNoProgress) standing = planned.progress;
  }
  return standing;
}

}  // namespace testing_support
