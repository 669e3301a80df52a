// What the program knows from its start: the program folder (the executable's
// folder, where every data file lives) and the stored command line. Made once
// in WinMain and handed to the windows that need it; tests make their own with
// a scratch folder.
#pragma once

#include <string>

namespace mainwindow {

inline constexpr const char* kAppTitle = "Murvane";
inline constexpr const char* kMainCaption = "Murvane V6.10";

// The maker's pages, opened by the Help menu, the tray menu and the link at
// the bottom of the main window.
inline constexpr const char* kWebsite = "https://www.murvane.example/";
inline constexpr const char* kAffiliatePage = "https://www.murvane.example/affiliate";
inline constexpr const char* kWebsiteLinkText = "www.murvane.example  -  updates, help and support";

struct Program {
  std::string folder;       // without a trailing backslash
  std::string commandLine;  // the stored command line ("min" at logon)

  std::string File(const std::string& tail) const { return folder + tail; }
};

}  // namespace mainwindow
