// Reading the values a cleaning pass works with from the running system: the
// user's application-data folders, the Windows folder and versions. The main
// window reads them once when it loads; the console program reads them before
// its pass. Nothing here throws; a value that cannot be read comes back as the
// registry's failure text ("Error"), which the pass then treats as no folder.
#pragma once

#include <string>

#include "engine/pass_types.h"

namespace engine {

// A value of HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell
// Folders, cut at its first NUL, trimmed of spaces and with "%USERPROFILE%"
// expanded.
std::string ReadUserShellFolder(const std::string& valueName);

// The first character of Internet Explorer's "Version" value, trimmed; "E"
// (of "Error") when it cannot be read.
std::string GetIEVersion();

// The number a version character stands for: its digit, or 0.
int VersionNumber(const std::string& versionText);

// GetWindowsDirectoryA, trimmed, without a trailing backslash.
std::string ReadWindowsFolder();

// Every load-time value of a pass for the program folder.
PassEnvironment LoadPassEnvironment(const std::string& programFolder);

}  // namespace engine
