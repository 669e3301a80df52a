// Normal: small helpers that reach the shell and the environment. None of them
// reports a failure; a target that cannot be opened is simply not opened.
// Texts are 8-bit ANSI. The program folder is always passed in.
#pragma once

#include <string>

namespace Normal {

// Opens a web address, "mailto:" text or file with its default program.
void OpenUrl(const std::string& target);

// Opens the program's help: "help.chm" in the Windows help viewer when both
// exist, otherwise the first of "help.chm" and "help.html" that exists with
// its default program.
void ShowHelp(const std::string& programFolder);

// Opens "License.txt" of the program folder in Notepad, or with its default
// program where there is no Notepad. A missing file opens nothing.
void ViewLicenseText(const std::string& programFolder);

// Replaces the first "%USERPROFILE%" (matched with its case) by the variable
// USERPROFILE; what stands in front of the token is dropped.
std::string ExpandUserProfile(const std::string& path);

// Asks the platform to delete the file at the next restart.
void DeleteFileAtRestart(const std::string& path);

// What ShowHelp and ViewLicenseText start: a command line for a viewer, or a
// document to open with its default program. Kept apart so the choice can be
// checked without starting anything.
struct Launch {
  std::string commandLine;  // start this when not empty
  std::string document;     // otherwise open this when not empty
};
Launch HelpLaunch(const std::string& windowsFolder, const std::string& programFolder);
Launch LicenseLaunch(const std::string& windowsFolder, const std::string& programFolder);

}  // namespace Normal
