// The catalogue of tracks and the layout of the settings file.
//
// One table serves the settings window, the cleaning pass and the console
// program: each track has its group (a frame of the settings window, with its
// tab and select-all box), its box name, caption, section and key. Flags are
// the texts "1" and "0"; two rules read them back, and they differ on purpose:
// the windows check a box for any value that reads as the number 1 (a
// hand-edited 01 or 1.0), while the pass selects a track only on the exact
// text "1" (Maxthon's tracks excepted, which read the number).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace catalogue {

enum class SelectRule {
  ExactOne,    // selected exactly when the value is "1"
  ReadsAsOne,  // selected when the value reads as a number equal to 1
};

struct Group {
  const char* caption;       // frame caption in the settings window
  const char* tab;           // top-level tab
  const char* subTab;        // tab inside "Browsers", or ""
  const char* selectAllBox;  // "Select all of the above" box, or "" for none
};

struct Track {
  int group;  // index into Groups()
  const char* box;
  const char* caption;  // as the settings window shows it
  const char* section;  // as the settings window writes it
  const char* key;
  SelectRule rule;  // how a cleaning pass reads the flag
};

inline constexpr size_t kTrackCount = 140;

std::span<const Group> Groups();
std::span<const Track> Tracks();  // settings-window order
inline const Group& GroupOf(const Track& track) {
  return Groups()[track.group];
}

// The track stored under `section` and `key`, matched without regard to case;
// nullptr when there is none.
const Track* FindTrack(std::string_view section, std::string_view key);

// The windows' flag reading rule: the value reads as a decimal number equal
// to 1 ("1", "01", "1.0", "+1"). Surrounding spaces are already gone.
bool ReadsAsOne(std::string_view value);

// The pass's flag rule: exactly "1".
bool IsExactOne(std::string_view value);

// Whether a pass selects `track` for the stored value.
bool IsSelectedForPass(const Track& track, std::string_view value);

// The settings file of a program folder.
std::string SettingsFile(const std::string& programFolder);

// Reads the track's flag from the settings file and applies its pass rule.
bool IsTrackSelected(const std::string& settingsFile, const Track& track);

inline constexpr const char* kFlagOn = "1";
inline constexpr const char* kFlagOff = "0";

// Section `Options` of the settings file.
namespace options {
inline constexpr const char* kSection = "Options";
inline constexpr const char* kBossKey = "bosskey";
inline constexpr const char* kStartup = "startup";
inline constexpr const char* kAutoClean = "autoclean";
inline constexpr const char* kExit = "exit";
inline constexpr const char* kSecurely = "securely";
inline constexpr const char* kWindowsStartup = "WindowsStartup";
inline constexpr const char* kWindowsShutdown = "WindowsShutdown";
inline constexpr const char* kCleanDays = "CleanDays";
inline constexpr const char* kCleanTime = "CleanTime";
inline constexpr const char* kLastClean = "lastclean";
inline constexpr const char* kRegNum = "regnum";
inline constexpr const char* kFileSize = "filesize";
inline constexpr const char* kNoDays = "0000000";
}  // namespace options

}  // namespace catalogue
