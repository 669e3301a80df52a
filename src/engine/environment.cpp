#include "engine/environment.h"

#include <optional>

#include "platform/process.h"
#include "platform/text.h"
#include "primitives/inifun.h"
#include "primitives/normal.h"
#include "primitives/regfun.h"

namespace engine {
namespace {

constexpr const char* kUserShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr const char* kInternetExplorer =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer";

std::string ReadCutTrimmed(const std::string& key, const std::string& valueName) {
  const std::optional<std::string> value = regfun::ReadRegString(key, valueName);
  return platform::TrimSpaces(platform::CutAtNul(value.value_or(regfun::kReadFailed)));
}

}  // namespace

std::string ReadUserShellFolder(const std::string& valueName) {
  return Normal::ExpandUserProfile(ReadCutTrimmed(kUserShellFolders, valueName));
}

std::string GetIEVersion() {
  return ReadCutTrimmed(kInternetExplorer, "Version").substr(0, 1);
}

int VersionNumber(const std::string& versionText) {
  if (versionText.empty() || versionText[0] < '0' || versionText[0] > '9') return 0;
  return versionText[0] - '0';
}

std::string ReadWindowsFolder() {
  return platform::TrimSpaces(platform::WindowsFolder());
}

PassEnvironment LoadPassEnvironment(const std::string& programFolder) {
  PassEnvironment environment;
  environment.programFolder = programFolder;
  environment.windowsVersion = Inifun::GetWindowsVersion();
  environment.roaming = ReadUserShellFolder("AppData");
  environment.local = ReadUserShellFolder("Local AppData");
  environment.windowsFolder = ReadWindowsFolder();
  environment.ieVersion = VersionNumber(GetIEVersion());
  return environment;
}

}  // namespace engine
