// Scratch places for tests: a fresh folder under the prefix's temp folder and
// a fresh registry key under HKCU, both removed when the test ends. Tests run
// in a throwaway Wine prefix, so nothing here can reach the host.
#pragma once

#include <string>
#include <vector>

#include "platform/prompter.h"
#include "platform/win.h"

namespace testing_support {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

class ScratchKey {
 public:
  ScratchKey();  // HKCU\Software\MurvaneTests\<unique>
  ~ScratchKey();
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  const std::string& subkey() const { return subkey_; }
  std::string FullPath() const { return "HKEY_CURRENT_USER\\" + subkey_; }

 private:
  std::string subkey_;
};

// Removes a folder with everything below it, without entering links.
void RemoveTree(const std::string& path);

// Makes `folder` the current folder for as long as the object lives (tests
// that check a relative path such as "Error\Cache" lands nowhere).
class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::string& folder);
  ~ScopedCurrentDirectory();
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  std::string previous_;
};

// Writes bytes to a file, creating the folders above it.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void MakeFolders(const std::string& path);

// Records every message box and answers with `answer`.
class MessageRecorder {
 public:
  explicit MessageRecorder(int answer = IDOK);
  const std::vector<platform::MessageRequest>& messages() const { return messages_; }

 private:
  std::vector<platform::MessageRequest> messages_;
  platform::ScopedPrompter prompter_;
};

}  // namespace testing_support
