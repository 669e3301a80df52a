// Cleaning passes over a scratch installation, for the tests of the WINDOWS
// and OFFICE tracks: a program folder with its own prisd.dat, user folders and
// a Windows folder inside one scratch folder, TEMP pointed into it for the
// test's lifetime, and an Office product told to the pass instead of asked of
// Word. Registry keys a test creates at the tracks' fixed paths are removed
// again when the test ends; the Wine test prefix is thrown away anyway.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/cleaning_pass.h"
#include "platform/win.h"
#include "primitives/allerase.h"
#include "primitives/inifun.h"
#include "support/recording_view.h"
#include "support/scratch.h"

#include <shlwapi.h>

namespace track_tests {

// Sets an environment variable of this process and puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
    if (length > 0 && length < sizeof(buffer)) previous_ = std::string(buffer, length);
    SetEnvironmentVariableA(name, value);
  }
  ~ScopedVariable() { SetEnvironmentVariableA(name_, previous_ ? previous_->c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

// Keys created at fixed paths; each is deleted with what is below it when the
// owner goes. Only the keys named here are removed, never their parents.
class FixedKeys {
 public:
  ~FixedKeys() {
    for (const auto& [root, subkey] : created_) SHDeleteKeyA(root, subkey.c_str());
  }

  void Key(HKEY root, const std::string& subkey) {
    HKEY key = nullptr;
    if (RegCreateKeyA(root, subkey.c_str(), &key) == ERROR_SUCCESS) RegCloseKey(key);
    created_.emplace_back(root, subkey);
  }

  void Value(HKEY root, const std::string& subkey, const std::string& name,
             const std::string& data = "C:\\some\\document.txt") {
    HKEY key = nullptr;
    if (RegCreateKeyA(root, subkey.c_str(), &key) != ERROR_SUCCESS) return;
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
    created_.emplace_back(root, subkey);
  }

  static bool HasKey(HKEY root, const std::string& subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  static bool HasValue(HKEY root, const std::string& subkey, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const bool found =
        RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
  }

 private:
  std::vector<std::pair<HKEY, std::string>> created_;
};

// Every item a preview pass reports.
class PreviewRecorder : public allerase::EraseSink {
 public:
  void OnItem(const allerase::ErasedItem& item) override { items.push_back(item); }

  int CountOf(allerase::ItemKind kind) const {
    int count = 0;
    for (const allerase::ErasedItem& item : items) count += item.kind == kind ? 1 : 0;
    return count;
  }

  // Whether an Action item's text contains `part`.
  bool HasAction(const std::wstring& part) const {
    for (const allerase::ErasedItem& item : items) {
      if (item.kind == allerase::ItemKind::Action && item.path.find(part) != std::wstring::npos) {
        return true;
      }
    }
    return false;
  }

  std::vector<allerase::ErasedItem> items;
};

// A scratch installation and user profile that passes run on.
class TrackPass {
 public:
  TrackPass()
      : program(root / "Program Files\\Murvane"),
        local(root / "Local Settings\\Application Data"),
        roaming(root / "Application Data"),
        windows(root / "WINDOWS"),
        temp(root / "envtemp"),
        documents(root / "Documents"),
        temp_("TEMP", temp.c_str()) {
    for (const std::string* folder : {&program, &local, &roaming, &windows, &temp, &documents}) {
      testing_support::MakeFolders(*folder);
    }
    environment.programFolder = program;
    environment.roaming = roaming;
    environment.local = local;
    environment.windowsFolder = windows;
    environment.windowsVersion = "6.1";
    environment.documentsFolder = [this] { return documents; };
    environment.officeProduct = [this] {
      ++productAsked;
      return product;
    };
  }

  void Select(const char* section, const char* key, const char* flag = "1") {
    Inifun::WriteIniValue(program + "\\prisd.dat", section, key, flag);
  }

  engine::PassOutcome Run() {
    view = testing_support::RecordingView();
    return engine::CleanNow(environment, view);
  }

  engine::PassOutcome Preview(PreviewRecorder& recorder) {
    view = testing_support::RecordingView();
    engine::PassRequest request;
    request.preview = true;
    request.sink = &recorder;
    return engine::CleanNow(environment, view, request);
  }

  // The rows of the tracks, without the closing "Task complete" row.
  std::vector<testing_support::RecordingView::Row> TrackRows() const {
    std::vector<testing_support::RecordingView::Row> rows = view.rows;
    if (!rows.empty() && rows.back().caption == engine::kTaskComplete) rows.pop_back();
    return rows;
  }

  testing_support::ScratchFolder root;
  std::string program;
  std::string local;  // the older profile layout, with "Application Data"
  std::string roaming;
  std::string windows;
  std::string temp;  // what TEMP points to during the test
  std::string documents;
  engine::PassEnvironment environment;
  testing_support::RecordingView view;
  std::string product = "Office2003";
  int productAsked = 0;

 private:
  ScopedVariable temp_;
};

// The total size of the files of a folder tree.
inline double TreeBytes(const std::string& folder) {
  double total = 0;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      total += TreeBytes(folder + "\\" + name);
    } else {
      total += static_cast<double>(entry.nFileSizeLow) +
               static_cast<double>(entry.nFileSizeHigh) * 4294967296.0;
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return total;
}

// Whether a folder exists and holds nothing.
inline bool IsEmptyFolder(const std::string& folder) {
  return PathIsDirectoryA(folder.c_str()) && PathIsDirectoryEmptyA(folder.c_str());
}

// Removes a folder tree that a test made outside its scratch folder.
inline void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = folder + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace track_tests
