// The WINDOWS tracks: most-recently-used lists of the shell and its applets,
// the temporary folders, the recycle bin, the clipboard and the thumbnail
// caches. The uniform rows are data; the tracks that do more than one
// primitive per path are the small functions above the table.
//
// Preview: the registry and file primitives change nothing on their own while
// a preview runs. What these tracks do outside them (empty the recycle bin or
// the clipboard, clear the recent documents, start the batch file) is only
// reported then.
#include <cstdio>
#include <string>

#include "engine/families.h"
#include "engine/windows_tracks.h"
#include "platform/process.h"
#include "platform/shell_ops.h"
#include "primitives/allerase.h"
#include "primitives/regfun.h"

namespace engine {
namespace {

constexpr const char* kSection = "WINDOWS";
constexpr const char* kOldRecycleBin = "C:\\RECYCLED";
constexpr const char* kThumbnailBatch = "\\delThumbs.bat";

bool Previewing(const TrackRun& run) {
  return run.preview() || allerase::InPreview();
}

// The temporary folder beside the local application-data folder of an older
// profile layout: "...\Local Settings\Application Data" gives
// "...\Local Settings\temp". A current layout (no "Application Data" in
// the path) has no such folder.
std::string LocalTempFolder(const std::string& localAppData) {
  if (localAppData == regfun::kReadFailed) return {};
  const size_t at = localAppData.find("Application Data");
  if (at == std::string::npos) return {};
  return localAppData.substr(0, at) + "temp";
}

std::string ThumbnailCommandLine(const std::string& batchFile) {
  std::string shell = platform::EnvironmentVariable("ComSpec").value_or("");
  if (shell.empty()) shell = "cmd.exe";
  // cmd drops the outer pair of quotes after /c, so a path with blanks needs
  // a second pair around it.
  return "\"" + shell + "\" /c \"\"" + batchFile + "\"\"";
}

// Empties a temporary folder: its files first, then the folder itself, so a
// file the first step could not delete is counted again by the second. A
// preview deletes nothing, so there every file counts as deleted by the first
// step and the second adds nothing; the totals are then those of an erasing
// pass in which no file is locked.
void CleanTempFolder(TrackRun& run, const std::string& folder) {
  if (folder.empty()) return;
  run.AddBytes(allerase::DeleteAllFilesInTree(folder));
  const double left = allerase::EmptyFolder(folder);
  if (!Previewing(run)) run.AddBytes(left);
}

void CleanWindowsTemp(TrackRun& run) {
  const PassEnvironment& environment = run.environment();
  CleanTempFolder(run, LocalTempFolder(environment.local));
  if (!environment.windowsFolder.empty()) {
    CleanTempFolder(run, environment.windowsFolder + "\\temp");
  }
  CleanTempFolder(run, platform::EnvironmentVariable("TEMP").value_or(""));
}

void EmptyTheRecycleBin(TrackRun& run) {
  // Windows 9x keeps the bin of drive C in "C:\RECYCLED"; later versions keep
  // it elsewhere, so there the shell's own count is the true size. The shell
  // counts the old folder too, so only one of the two is taken.
  if (platform::FolderExists(kOldRecycleBin)) {
    run.AddBytes(allerase::FolderSize(kOldRecycleBin));
  } else {
    run.AddBytes(platform::QueryRecycleBin().bytes);
  }
  if (Previewing(run)) {
    allerase::ReportPreviewAction("Empty the recycle bin of every drive");
    return;
  }
  platform::EmptyRecycleBin(run.environment().owner);
}

void CleanScandiskFolders(TrackRun& run) {
  for (const char drive : {'C', 'D', 'E', 'F'}) {
    for (int number = 0; number <= 10; ++number) {
      char folder[16];
      std::snprintf(folder, sizeof(folder), "%c:\\Found.%03d", drive, number);
      run.AddBytes(allerase::DeleteFilesInFolder(folder));
    }
  }
}

void ClearTheClipboard(TrackRun& run) {
  if (Previewing(run)) {
    allerase::ReportPreviewAction("Empty the clipboard");
    return;
  }
  platform::ClearClipboard(run.environment().owner);
}

void ClearRecentDocumentsTrack(TrackRun& run) {
  if (Previewing(run)) {
    allerase::ReportPreviewAction("Clear the list of recently opened documents");
    return;
  }
  ClearDocumentsMenu();
}

void RunThumbnailBatch(TrackRun& run) {
  const std::string& programFolder = run.environment().programFolder;
  if (programFolder.empty()) return;
  const std::string batch = programFolder + kThumbnailBatch;
  // A batch file that is not there ends the track at once.
  if (!platform::FileExists(batch)) return;
  if (Previewing(run)) {
    allerase::ReportPreviewAction("Run " + batch + " (deletes the Thumbs.db files of the profile)");
    return;
  }
  platform::KernelHandle process = platform::StartCommandLine(ThumbnailCommandLine(batch), SW_HIDE);
  if (!process) return;
  // The batch file may walk the whole profile; the window keeps answering
  // meanwhile, and the wait costs no processor time.
  platform::WaitForProcessPumping(process.Get());
}

// One row per track in pass order: section, key, status caption, progress
// set at the start, steps.
// clang-format off
const TrackRow kWindowsTracks[] = {
    {kSection, "recent", "Recent Documents History", kNoProgress,
     {Call(ClearRecentDocumentsTrack),
      AddRegistry(1)}},
    {kSection, "run", "Start Menu Run History", 33,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU")}},
    {kSection, "search", "Start Menu Search History", 34,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                         "Doc Find Spec MRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                         "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                         "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ContainingTextMRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                         "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5603"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5604"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5647"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5601"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5602"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                         "FindComputerMRU")}},
    {kSection, "temp", "Windows Temp", 35,
     {Call(CleanWindowsTemp)}},
    {kSection, "recycle", "Recycle Bin", 36,
     {Call(EmptyTheRecycleBin),
      AddRegistry(1)}},
    {kSection, "open", "Open/Save Dialog Box History", 37,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                          "OpenSaveMRU")}},
    {kSection, "scandisk", "Scandisk Temp Files", 38,
     {Call(CleanScandiskFolders)}},
    // Nothing to erase on the systems the program runs on; a selected row is
    // still shown and marked "Done".
    {kSection, "passwords", "Windows Passwords(Only 9X/Me)", 39,
     {}},
    {kSection, "clip", "Windows Clipboard", 40,
     {Call(ClearTheClipboard)}},
    {kSection, "wordpad", "Wordpad Recent Files", 41,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\"
                         "Recent File List")}},
    {kSection, "paint", "Windows Paint Recent Files", 41,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\"
                         "Recent File List")}},
    {kSection, "picturelocation",
     "The custom locations from the picture location drop-down box", 41,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Wallpaper")}},
    {kSection, "DirectX", "DirectX most recent applications", kNoProgress,
     {RegKey(Base::HKLM, "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication"),
      RegKey(Base::HKLM, "SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication")}},
    {kSection, "findcomputer", "Find computer dialog box", kNoProgress,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                         "FindComputerMRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                         "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Search Assistant\\ACMru")}},
    {kSection, "findfiles", "Find files dialog box", kNoProgress,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                         "Doc Find Spec MRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Internet Explorer\\Explorer Bars"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Search Assistant\\ACMru"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                         "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU"),
      RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                         "WordWheelQuery")}},
    {kSection, "mapnetwork", "Map network drive MRU", kNoProgress,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                         "Map Network Drive MRU")}},
    {kSection, "management", "Microsoft management console recent file list", kNoProgress,
     {RegKey(Base::HKCU, "Software\\Microsoft\\Microsoft Management Console\\Recent File List")}},
    {kSection, "notification", "Past items from the notification area", kNoProgress,
     {RegValue(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify",
               "IconStreams"),
      RegValue(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify",
               "PastIconsStream"),
      RegValue(Base::HKCU, "Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\"
                           "CurrentVersion\\TrayNotify",
               "IconStreams"),
      RegValue(Base::HKCU, "Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\"
                           "CurrentVersion\\TrayNotify",
               "PastIconsStream")}},
    {kSection, "registryeditor", "Registry editor last opened key", kNoProgress,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit")}},
    {kSection, "searchfolders", "Saved search folders from windows vista", kNoProgress,
     {AllFilesInTree(Base::Documents, "\\Searches")}},
    {kSection, "menuorder", "Start menu programs and favorites menu order", 41,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder")}},
    {kSection, "recentlyused", "The list of most recently used files and folders", kNoProgress,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                          "LastVisitedMRU"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                          "OpenSaveMRU"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                          "CIDSizeMRU"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                          "LastVisitedPidlMRU"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                          "OpenSavePidlMRU")}},
    {kSection, "thumbs", "Thumbs.db", kNoProgress,
     {Call(RunThumbnailBatch)}},
    {kSection, "streams", "Windows explorer streams MRUs", 42,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths")}},
    // Windows clears the paging file itself, if at all; a selected row is
    // still shown and marked "Done".
    {kSection, "swap", "windows swap/paging file", kNoProgress,
     {}},
    {kSection, "userassist", "Windows userassist MRUs", 43,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
                          "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
                          "{75048700-EF1F-11D0-9888-006097DEACF9}\\Count")}},
    {kSection, "unread", "Windows XP unread mail count", kNoProgress,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail")}},
};
// clang-format on

}  // namespace

bool ClearDocumentsMenu() {
  return platform::ClearRecentDocuments();
}

std::span<const TrackRow> WindowsTracks() {
  return kWindowsTracks;
}

}  // namespace engine
