#include "primitives/regfun.h"

#include <string_view>

#include "platform/handles.h"
#include "platform/prompter.h"
#include "platform/text.h"

namespace regfun {
namespace {

constexpr DWORD kReadBuffer = 255;

struct RootName {
  const char* name;
  HKEY root;
};

const RootName kRoots[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
    {"HKEY_PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA},
    {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    {"HKEY_DYN_DATA", HKEY_DYN_DATA},
};

// Splits into locals, so a malformed path leaves the root empty for this call
// instead of reusing whatever an earlier call found: a write must never land
// in a key named after the malformed path under some other root.
HKEY SplitForUse(const std::string& fullPath, std::string& subkey) {
  std::string path = fullPath;
  HKEY root = nullptr;
  if (!SplitRegPath(path, root)) return nullptr;
  subkey = path;
  return root;
}

}  // namespace

HKEY GetRootKey(const std::string& name) {
  for (const RootName& entry : kRoots) {
    if (name == entry.name) return entry.root;
  }
  return nullptr;
}

bool SplitRegPath(std::string& path, HKEY& root) {
  if (path.rfind("HKEY_", 0) != 0 || (!path.empty() && path.back() == '\\')) {
    platform::ShowMessage(nullptr, "Incorrect Format:\n\n" + path, "Murvane", MB_OK);
    return false;
  }
  const size_t slash = path.find('\\');
  if (slash != std::string::npos) {
    root = GetRootKey(path.substr(0, slash));
    path = path.substr(slash + 1);
  } else {
    root = GetRootKey(path);
    path.clear();
  }
  return true;
}

std::optional<std::string> ReadRegString(const std::string& fullPath,
                                         const std::string& valueName) {
  std::string subkey;
  const HKEY root = SplitForUse(fullPath, subkey);
  if (!root) return std::nullopt;

  platform::RegKey key;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
    return std::string(kReadFailed);
  }
  std::string buffer(kReadBuffer, ' ');
  DWORD size = kReadBuffer;
  if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
    return std::string(kReadFailed);
  }
  // The data is followed by the spaces it did not fill. Trimming removes them
  // (and leading spaces); what remains ends with the value's terminating NUL,
  // which is dropped. A value stored without that NUL keeps its last letter.
  std::string text = platform::TrimSpaces(buffer);
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::string ReadRegValue(HKEY root, const std::string& subkey, const std::string& valueName,
                         DWORD* type) {
  platform::RegKey key;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
    return kValueReadFailed;
  }
  std::string buffer(kReadBuffer, ' ');
  DWORD size = kReadBuffer;
  DWORD valueType = REG_NONE;
  if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &valueType,
                       reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
    return kValueReadFailed;
  }
  if (type) *type = valueType;
  return StripNulls(buffer);
}

void WriteRegString(const std::string& fullPath, const std::string& valueName,
                    const std::string& text) {
  std::string subkey;
  const HKEY root = SplitForUse(fullPath, subkey);
  if (!root) return;
  platform::RegKey key;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_WRITE, key.Receive()) != ERROR_SUCCESS) return;
  // The count includes the terminating NUL so every reader sees a properly
  // ended string, whatever the platform does about a missing one.
  const std::string value = platform::CutAtNul(text);
  RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

void CreateRegKey(const std::string& fullPath) {
  std::string subkey;
  const HKEY root = SplitForUse(fullPath, subkey);
  if (!root) return;
  platform::RegKey key;
  RegCreateKeyA(root, subkey.c_str(), key.Receive());
}

std::string StripNulls(const std::string& text) {
  return platform::CutAtNul(text);
}

}  // namespace regfun
