#include "platform/process.h"

#include <vector>

#include "platform/win.h"

#include <shellapi.h>

#include "platform/pump.h"

namespace platform {

KernelHandle StartCommandLine(const std::string& commandLine, int showCommand) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION info{};
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return KernelHandle();
  }
  CloseHandle(info.hThread);
  return KernelHandle(info.hProcess);
}

bool WaitForProcessPumping(HANDLE process) {
  if (!process) return false;
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_OBJECT_0 + 1) return false;
    DoEvents();
  }
}

bool ShellOpen(const std::string& target) {
  const HINSTANCE result =
      ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

std::string ExecutableFolder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      std::string path(buffer.data(), length);
      const size_t slash = path.find_last_of("\\/");
      return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string WindowsFolder() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return {};
  std::string folder(buffer, length);
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::string value(needed, '\0');
  const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace platform
