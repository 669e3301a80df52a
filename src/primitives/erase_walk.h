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

#include <optional>
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
                  EraseSink* preview);

// Erases, at any depth below `folder`, every folder whose lower-cased name
// equals `lowerName`, with its contents and without force. A matching link
// counts nothing and is removed as a link, never through to its target; where
// the platform cannot tell the two apart (Wine) it stays. `attributes` are
// those of `folder`.
double EraseNamedFolders(const std::wstring& folder, DWORD attributes,
                         const std::wstring& lowerName, EraseSink* preview);

// Deletes everything inside `folder` and, with `removeFolder`, the folder
// itself. With `force`, read-only files and folders go too. Links inside are
// removed as links, as above. Returns the size of the files met, counted
// before deletion.
double RemoveTree(const std::wstring& folder, bool force, bool removeFolder);

// The size of the files in `folder` at any depth.
double TreeSize(const std::wstring& folder);

// Lower-cases a name as the platform does for file names.
std::wstring LowerName(std::wstring name);

}  // namespace allerase::walk
