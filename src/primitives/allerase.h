// allerase: the erasure operations every track is built from.
//
// File operations return the bytes they counted as released, as a double;
// sizes are counted before deletion is tried, so a file that cannot be deleted
// is still counted. Registry operations return a fixed credit (3 for a key, 5
// for a key tree, 1 for a value) whatever happened. Nothing is ever reported as
// a failure: a missing folder or key simply erases nothing.
//
// Safety rules that hold for every walk:
//  - the folder the caller names is taken as given, even when it (or a folder
//    above it) is a link; below it, a reparse point (junction, symbolic link,
//    mount point) is never entered, so nothing outside the tree is touched;
//    a link that DeleteNamedFoldersInTree matches, or that lies in a folder
//    being deleted, is removed as a link only (under Wine, which deletes
//    through a link to its target, it stays); EmptyFolder on a link empties
//    what it points to and leaves the link;
//  - a folder that is not a full path (drive letter and backslash, or a UNC
//    share), that is a drive or share root or a device, or that is empty,
//    touches nothing and returns 0 (this is what a failed registry read, the
//    text "Error", becomes when a caller uses it as a folder);
//  - an empty registry subkey (the whole root) is never deleted; the credit is
//    still returned;
//  - DeleteIniSection acts only on a file named by a full path that exists (a
//    bare name would send the platform to the Windows folder).
//
// Every walk lets the message loop run, at most once every 10 ms, so windows
// stay responsive during a long one. Walks keep their pending folders on the
// heap, so no tree is too deep to walk; paths longer than MAX_PATH are
// reached too.
//
// Names passed in are 8-bit ANSI text; the file system is walked with the wide
// API, so files whose names lie outside the ANSI code page are still found.
//
// Preview: while a PreviewScope is alive on this thread, every operation
// changes nothing (no deletion, no attribute change, no folder creation) and
// reports each item it would erase to the scope's sink; it returns the same
// bytes and credits it would when erasing. A pass routes items to the track
// that produced them by opening a scope of its own around each track.
#pragma once

#include <memory>
#include <string>

#include "platform/win.h"

namespace allerase {

namespace walk {
class PreviewLedger;
}

enum class ItemKind {
  File,           // a file that would be deleted, with its size
  Folder,         // a folder that would be deleted with its contents, with its size
  RegistryKey,    // an existing key without subkeys (DeleteRegKey)
  RegistryTree,   // an existing key with everything below it (DeleteRegTree)
  RegistryValue,  // an existing value (DeleteRegValue)
  IniSection,     // an existing section of an INI file (DeleteIniSection)
  Action,         // anything else a track would do (start a program, empty the bin ...)
};

struct ErasedItem {
  ItemKind kind;
  std::wstring path;  // file or folder path; "HKEY_...\key[\value]"; "file [section]"; action text
  double bytes = 0;   // for files and folders
};

class EraseSink {
 public:
  virtual ~EraseSink() = default;
  virtual void OnItem(const ErasedItem& item) = 0;
};

// Puts this thread's primitives in preview mode for its lifetime. Scopes nest;
// the innermost sink receives the items.
//
// Within one scope, what an operation reported is gone for the operations
// after it, as it would be after erasing: a file that two tracks both erase
// is reported and counted once, a key whose subkeys an earlier track took is
// a key without subkeys, a settings file that lost a section is counted
// without it. So a previewed pass adds up to what the pass would.
class PreviewScope {
 public:
  explicit PreviewScope(EraseSink& sink);
  ~PreviewScope();
  PreviewScope(const PreviewScope&) = delete;
  PreviewScope& operator=(const PreviewScope&) = delete;

 private:
  std::unique_ptr<walk::PreviewLedger> ledger_;
  walk::PreviewLedger* previous_;
};

// Whether this thread is in preview mode, and reporting for actions outside
// the primitives (track code asks before it starts a program, empties the
// recycle bin or the clipboard, sends keystrokes or schedules a deletion).
bool InPreview();
void ReportPreviewAction(const std::string& description);

double DeleteNamedFilesInTree(const std::string& folder, const std::string& fileName);
double DeleteAllFilesInTree(const std::string& folder);
double DeleteFilesByExtInTree(const std::string& folder, const std::string& extension);
double DeleteNamedFoldersInTree(const std::string& folder, const std::string& folderName);
double EmptyFolder(const std::string& folder);
double DeleteFilesInFolder(const std::string& folder);
double DeleteNamedFileInFolder(const std::string& folder, const std::string& fileName);
double DeleteFilesByExtInFolder(const std::string& folder, const std::string& extension);

int DeleteRegKey(HKEY root, const std::string& subkey);
int DeleteRegTree(HKEY root, const std::string& subkey);
int DeleteRegValue(HKEY root, const std::string& subkey, const std::string& valueName);
void DeleteIniSection(const std::string& file, const std::string& section);

inline constexpr int kRegKeyCredit = 3;
inline constexpr int kRegTreeCredit = 5;
inline constexpr int kRegValueCredit = 1;

// The total size of a folder's files, at any depth, without entering reparse
// points below it; 0 for a missing folder. Used where a track counts a folder
// it does not walk itself (the recycle bin).
double FolderSize(const std::string& folder);

}  // namespace allerase
