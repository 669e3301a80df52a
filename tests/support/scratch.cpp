#include "support/scratch.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include <shlwapi.h>

namespace testing_support {
namespace {

std::string UniqueName() {
  static std::atomic<int> counter{0};
  return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()) + "-" +
         std::to_string(counter++);
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveTree(child);
      } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryA(child.c_str());
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(path.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string base = temp;
  if (!base.empty() && base.back() == '\\') base.pop_back();
  path_ = base + "\\murvane-test-" + UniqueName();
  MakeFolders(path_);
}

ScratchFolder::~ScratchFolder() {
  RemoveTree(path_);
}

ScratchKey::ScratchKey() : subkey_("Software\\MurvaneTests\\" + UniqueName()) {
  HKEY key = nullptr;
  RegCreateKeyA(HKEY_CURRENT_USER, subkey_.c_str(), &key);
  if (key) RegCloseKey(key);
}

ScratchKey::~ScratchKey() {
  SHDeleteKeyA(HKEY_CURRENT_USER, subkey_.c_str());
}

void MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryA(path.c_str(), nullptr);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  const size_t slash = path.find_last_of('\\');
  if (slash != std::string::npos) MakeFolders(path.substr(0, slash));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

MessageRecorder::MessageRecorder(int answer)
    : prompter_([this, answer](const platform::MessageRequest& request) {
        messages_.push_back(request);
        return answer;
      }) {}

}  // namespace testing_support
