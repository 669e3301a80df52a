// The folder walks behind allerase's file operations. Internal to allerase;
// track code calls the operations in allerase.h.
//
// Folders here are wide paths in the form "\\?\C:\..." or "\\?\UNC\server\...",
// so names outside the ANSI code page and trees deeper than MAX_PATH are both
// reachable. Walks keep their pending folders on the heap, not on the stack,
// so no tree is too deep to walk. No walk enters a reparse point below the
// folder it starts from.
//
// Every walk takes an optional preview sink: with one, it changes nothing and
// reports what it would erase; without one, it erases. Totals are the same
// either way.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/win.h"
#include "primitives/allerase.h"

namespace allerase::walk {

// The wide long form of a folder the caller named, or nullopt when the text is
// not a full path (drive letter and backslash, or a UNC share), names a drive
// or share root or a device, or is empty: such a folder is never walked.
std::optional<std::wstring> ResolveFolder(const std::string& folder);

// Whether a file argument is a full path a file operation may act on (same
// rules as ResolveFolder, roots aside).
bool IsFullFilePath(const std::string& file);

// The path as a user would write it: the long-form prefix removed.
std::wstring DisplayPath(const std::wstring& longPath);

// What one preview has reported so far. Items it holds count as erased for
// the rest of the preview, so later operations skip them as they would find
// them gone. Paths are compared without regard to case, as the file system
// and the registry compare them.
class PreviewLedger {
 public:
  explicit PreviewLedger(EraseSink& sink) : sink_(sink) {}

  // Reports the item and records it gone: a file, or a folder with
  // everything below it.
  void Erased(ItemKind kind, const std::wstring& path, double bytes);
  // Reports an emptied folder: what is below it is gone, the folder stays.
  void Emptied(const std::wstring& folder, double bytes);
  // Registry keys and values, and INI sections: `shown` as the caller wrote
  // it, `name` as the preview compares it ("HKEY_...\key", "file [section]").
  void ErasedName(ItemKind kind, const std::wstring& shown, const std::wstring& name);

  bool IsGone(const std::wstring& path) const;
  void Action(const std::wstring& description);

  // A file an earlier operation made smaller (an INI section taken out):
  // later operations count it at its size less `bytes`, as they would find
  // it after erasing.
  void Shrunk(const std::wstring& path, double bytes);
  // The size a later operation finds for a file listed at `size`.
  double SizeNow(const std::wstring& path, double size) const;

 private:
  void Record(std::wstring path);
  EraseSink& sink_;
  std::set<std::wstring> gone_;            // lower-cased; a trailing backslash: only what is below
  std::map<std::wstring, double> shrunk_;  // lower-cased path -> bytes taken out
};

// Which files of a folder a walk erases.
class FileRule {
 public:
  static FileRule All();
  // The whole name, compared with its case.
  static FileRule Named(const std::string& name);
  // The text after the last point of the name (empty when there is none),
  // lower-cased, compared with the given text as given.
  static FileRule WithExtension(const std::string& extension);

  bool Matches(const wchar_t* name) const;

 private:
  enum class Kind { All, Name, Extension };
  FileRule(Kind kind, std::wstring text) : kind_(kind), text_(std::move(text)) {}
  Kind kind_;
  std::wstring text_;
};

// Erases the matching files directly inside `folder` and, with `recurse`, in
// every folder below it, files before subfolders at every level. Hidden files
// met lose their hidden bit, whether they match or not. Sizes are counted
// before deletion is tried.
double EraseFiles(const std::wstring& folder, const FileRule& rule, bool recurse,
                  PreviewLedger* preview);

// Erases, at any depth below `folder`, every folder whose lower-cased name
// equals `lowerName`, with its contents and without force. A matching link
// counts nothing and is removed as a link, never through to its target; where
// the platform cannot tell the two apart (Wine) it stays. `attributes` are
// those of `folder`.
double EraseNamedFolders(const std::wstring& folder, DWORD attributes,
                         const std::wstring& lowerName, PreviewLedger* preview);

// Deletes everything inside `folder` and, with `removeFolder`, the folder
// itself. With `force`, read-only files and folders go too. Links inside are
// removed as links, as above. Returns the size of the files met, counted
// before deletion.
double RemoveTree(const std::wstring& folder, bool force, bool removeFolder);

// The size of the files in `folder` at any depth (leaving out, in a preview,
// what the preview has already erased).
double TreeSize(const std::wstring& folder, const PreviewLedger* preview = nullptr);

// Lower-cases a name as the platform does for file names.
std::wstring LowerName(std::wstring name);

}  // namespace allerase::walk
