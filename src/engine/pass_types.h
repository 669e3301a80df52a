// The values a cleaning pass works with, and the shape of a track.
//
// A track is a row of data: section and key of its flag, the caption of its
// status row, the progress value set at its start, and its actions as a list
// of steps. Most steps are one erasure primitive on a folder base and a tail
// (or a registry root and subkey); tracks with logic of their own use a Call
// step with a small named function.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/win.h"

namespace allerase {
class EraseSink;
}

namespace engine {

class PassView;

struct PassTotals {
  double registry = 0;  // credited registry entries
  double bytes = 0;     // bytes released
};

// Values the main window reads once at its load and keeps for the run.
struct PassEnvironment {
  std::string programFolder;
  std::string roaming;         // user shell folder "AppData", expanded
  std::string local;           // user shell folder "Local AppData", expanded
  std::string windowsFolder;   // without a trailing backslash
  std::string windowsVersion;  // "6.1"
  int ieVersion = 0;           // first digit of Internet Explorer's version, 0 if unknown
  HWND owner = nullptr;        // owner of anything a track shows (the recycle bin's progress)

  // The documents folder, read afresh by the tracks that need it; nullopt-like
  // failures come back as the registry's failure text. Empty function: read
  // the user shell folder "Personal".
  std::function<std::string()> documentsFolder;
  // Names of the plug-ins marked in the plug-in list, in list order.
  std::function<std::vector<std::string>()> markedPlugins;
  // The installed Office product ("Office2003", "NoOffice" ...), asked once
  // per pass. Empty function: ask Word (Normal::GetOfficeVersion).
  std::function<std::string()> officeProduct;
};

// State that lives for one pass only.
struct PassState {
  std::string officeVersion;  // "11.0" ..., or "" when unknown
};

// What a track's actions see.
class TrackRun {
 public:
  TrackRun(const PassEnvironment& environment, PassTotals& totals, PassState& state, PassView& view,
           bool preview)
      : environment_(environment), totals_(totals), state_(state), view_(view), preview_(preview) {}

  const PassEnvironment& environment() const { return environment_; }
  PassState& state() { return state_; }
  PassView& view() { return view_; }
  bool preview() const { return preview_; }

  void AddBytes(double bytes) { totals_.bytes += bytes; }
  void AddRegistry(double credit) { totals_.registry += credit; }
  const PassTotals& totals() const { return totals_; }

  // The current row's second column ends as "Done" unless a track says otherwise.
  void SetFinalStatus(const std::string& text) { finalStatus_ = text; }
  const std::string& finalStatus() const { return finalStatus_; }

  std::string DocumentsFolder() const;

 private:
  const PassEnvironment& environment_;
  PassTotals& totals_;
  PassState& state_;
  PassView& view_;
  bool preview_;
  std::string finalStatus_ = "Done";
};

using TrackFunction = void (*)(TrackRun&);

// Where a step's path starts.
enum class Base : unsigned char {
  None,       // the path is used as it stands
  Roaming,    // roaming application-data folder
  Local,      // local application-data folder
  Documents,  // documents folder, read afresh
  Windows,    // Windows folder
  Program,    // program folder
  Netscape,   // Netscape profile folder (NSB when present, else Navigator)
  Maxthon,    // Maxthon installation folder from the registry
  HKCU,       // registry roots, for registry steps
  HKLM,
  HKU,
  Office,               // HKCU, below "Software\Microsoft\Office\<this pass's Office version>"
  OfficeProfileWizard,  // HKCU, below "Software\Microsoft\OfficeProfileWizard\<version>"
};

enum class Op : unsigned char {
  End,  // marks the end of a track's steps
  NamedFilesInTree,
  AllFilesInTree,
  FilesByExtInTree,
  NamedFoldersInTree,
  EmptyFolder,
  FilesInFolder,
  NamedFileInFolder,
  FilesByExtInFolder,
  RegKey,       // DeleteRegKey(base root, path)
  RegTree,      // DeleteRegTree(base root, path)
  RegValue,     // DeleteRegValue(base root, path, arg)
  IniSection,   // DeleteIniSection(base + path, arg)
  AddRegistry,  // add `amount` to the registry count
  AddBytes,     // add `amount` to the byte count
  Call,         // run `call`
};

struct Step {
  Op op = Op::End;
  Base base = Base::None;
  const char* path = "";  // tail appended to the base, or the registry subkey
  const char* arg = "";   // file name, extension, folder name, value name or section
  double amount = 0;
  TrackFunction call = nullptr;
};

inline constexpr size_t kMaxSteps = 10;
inline constexpr int kNoProgress = -1;

struct TrackRow {
  const char* section;  // as the pass reads it; nullptr for a step that is not a track
  const char* key;      // nullptr: no flag, the steps always run (and no row is shown)
  const char* caption;  // status caption
  int progress;         // set at the start whether or not the track is selected
  std::array<Step, kMaxSteps> steps;
};

// Builders that keep the track tables readable.
constexpr Step NamedFilesInTree(Base base, const char* tail, const char* name) {
  return {Op::NamedFilesInTree, base, tail, name, 0, nullptr};
}
constexpr Step AllFilesInTree(Base base, const char* tail) {
  return {Op::AllFilesInTree, base, tail, "", 0, nullptr};
}
constexpr Step FilesByExtInTree(Base base, const char* tail, const char* extension) {
  return {Op::FilesByExtInTree, base, tail, extension, 0, nullptr};
}
constexpr Step NamedFoldersInTree(Base base, const char* tail, const char* name) {
  return {Op::NamedFoldersInTree, base, tail, name, 0, nullptr};
}
constexpr Step EmptyFolder(Base base, const char* tail) {
  return {Op::EmptyFolder, base, tail, "", 0, nullptr};
}
constexpr Step FilesInFolder(Base base, const char* tail) {
  return {Op::FilesInFolder, base, tail, "", 0, nullptr};
}
constexpr Step NamedFileInFolder(Base base, const char* tail, const char* name) {
  return {Op::NamedFileInFolder, base, tail, name, 0, nullptr};
}
constexpr Step FilesByExtInFolder(Base base, const char* tail, const char* extension) {
  return {Op::FilesByExtInFolder, base, tail, extension, 0, nullptr};
}
constexpr Step RegKey(Base root, const char* subkey) {
  return {Op::RegKey, root, subkey, "", 0, nullptr};
}
constexpr Step RegTree(Base root, const char* subkey) {
  return {Op::RegTree, root, subkey, "", 0, nullptr};
}
constexpr Step RegValue(Base root, const char* subkey, const char* value) {
  return {Op::RegValue, root, subkey, value, 0, nullptr};
}
constexpr Step IniSection(Base base, const char* tail, const char* section) {
  return {Op::IniSection, base, tail, section, 0, nullptr};
}
constexpr Step AddRegistry(double amount) {
  return {Op::AddRegistry, Base::None, "", "", amount, nullptr};
}
constexpr Step AddBytes(double amount) {
  return {Op::AddBytes, Base::None, "", "", amount, nullptr};
}
constexpr Step Call(TrackFunction function) {
  return {Op::Call, Base::None, "", "", 0, function};
}

// Runs a track's steps in order. A folder base that cannot be read (a failed
// registry read) skips its file steps; registry steps always add their credit.
void RunSteps(TrackRun& run, std::span<const Step> steps);

// The folder of a base, or "" when it cannot be determined.
std::string ResolveFolder(TrackRun& run, Base base);

}  // namespace engine
