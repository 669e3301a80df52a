#include "primitives/normal.h"

#include "platform/process.h"
#include "platform/win.h"

namespace Normal {
namespace {

void Run(const Launch& launch) {
  if (!launch.commandLine.empty()) {
    platform::StartCommandLine(launch.commandLine, SW_SHOWNORMAL);
  } else if (!launch.document.empty()) {
    platform::ShellOpen(launch.document);
  }
}

// Paths with blanks must reach the viewer as one argument.
std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

}  // namespace

void OpenUrl(const std::string& target) {
  platform::ShellOpen(target);
}

Launch HelpLaunch(const std::string& windowsFolder, const std::string& programFolder) {
  const std::string chm = programFolder + "\\help.chm";
  const std::string viewer = windowsFolder + "\\hh.exe";
  if (platform::FileExists(chm)) {
    if (platform::FileExists(viewer)) return {Quoted(viewer) + " " + Quoted(chm), {}};
    return {{}, chm};
  }
  const std::string html = programFolder + "\\help.html";
  if (platform::FileExists(html)) return {{}, html};
  return {};
}

Launch LicenseLaunch(const std::string& windowsFolder, const std::string& programFolder) {
  const std::string license = programFolder + "\\License.txt";
  if (!platform::FileExists(license)) return {};
  const std::string notepad = windowsFolder + "\\notepad.exe";
  if (platform::FileExists(notepad)) return {Quoted(notepad) + " " + Quoted(license), {}};
  return {{}, license};
}

void ShowHelp(const std::string& programFolder) {
  Run(HelpLaunch(platform::WindowsFolder(), programFolder));
}

void ViewLicenseText(const std::string& programFolder) {
  Run(LicenseLaunch(platform::WindowsFolder(), programFolder));
}

std::string ExpandUserProfile(const std::string& path) {
  static const std::string kToken = "%USERPROFILE%";
  const size_t at = path.find(kToken);
  if (at == std::string::npos) return path;
  return platform::EnvironmentVariable("USERPROFILE").value_or("") +
         path.substr(at + kToken.size());
}

void DeleteFileAtRestart(const std::string& path) {
  MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace Normal
