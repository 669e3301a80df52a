#include "primitives/erase_walk.h"

#include <cwchar>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/handles.h"
#include "platform/pump.h"
#include "platform/text.h"

namespace allerase::walk {
namespace {

constexpr wchar_t kLongPrefix[] = L"\\\\?\\";
constexpr wchar_t kLongUncPrefix[] = L"\\\\?\\UNC\\";

bool IsSlash(wchar_t c) {
  return c == L'\\' || c == L'/';
}
bool IsAsciiLetter(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

enum class PathForm { None, Drive, Unc };

// "C:\..." or "\\server\share..."; "\\?\" and "\\.\" name devices and the
// raw namespace, which no caller has reason to hand us.
PathForm FormOf(std::wstring_view path) {
  if (path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == L':' && IsSlash(path[2])) {
    return PathForm::Drive;
  }
  if (path.size() >= 3 && IsSlash(path[0]) && IsSlash(path[1]) && path[2] != L'?' &&
      path[2] != L'.' && !IsSlash(path[2])) {
    return PathForm::Unc;
  }
  return PathForm::None;
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  return full;
}

bool IsFolder(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
bool IsLink(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool IsDots(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

double SizeOf(const WIN32_FIND_DATAW& data) {
  return static_cast<double>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) |
                             data.nFileSizeLow);
}

// Attributes are never changed through a link: on some systems that would
// change the target, which lies outside the tree.
void ClearHidden(const std::wstring& path, DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_HIDDEN) && !IsLink(attributes)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

// Calls visit(findData, fullPath) for each entry of one folder but "." and "..".
// The attributes and size come with the listing, so a walk costs one listing
// per folder and nothing more per file than what it does to the file.
template <typename Visit>
void ListFolder(const std::wstring& folder, Visit&& visit) {
  std::wstring path = folder + L"\\*";
  WIN32_FIND_DATAW data;
  platform::FindHandle find(FindFirstFileExW(path.c_str(), FindExInfoBasic, &data,
                                             FindExSearchNameMatch, nullptr,
                                             FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return;
  const size_t base = folder.size() + 1;
  do {
    if (IsDots(data.cFileName)) continue;
    path.resize(base);
    path += data.cFileName;
    visit(static_cast<const WIN32_FIND_DATAW&>(data), static_cast<const std::wstring&>(path));
  } while (FindNextFileW(find.Get(), &data));
}

// Queues folders so the first one found is walked next: the walk stays
// depth-first in listing order, as recursion would be, without using the stack.
template <typename T>
void PushInOrder(std::vector<T>& pending, std::vector<T>& found) {
  pending.insert(pending.end(), std::make_move_iterator(found.rbegin()),
                 std::make_move_iterator(found.rend()));
  found.clear();
}

// A file link shows the reparse bit on Windows, and DeleteFileW removes the
// link, not its target. Wine shows a host symlink to a file as a plain file and
// deleting it removes the target; nothing in a listing tells the two apart, so
// under Wine such a link inside a cleaned tree is not protected.
void DeleteOneFile(const std::wstring& path, DWORD attributes, bool force) {
  if (DeleteFileW(path.c_str())) return;
  if (force && (attributes & FILE_ATTRIBUTE_READONLY) && !IsLink(attributes)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
  }
}

void RemoveOneFolder(const std::wstring& path, bool force) {
  if (RemoveDirectoryW(path.c_str())) return;
  if (force) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
  }
}

// Removes a link folder itself, never what it points to. The entry is opened
// as the link and deleted through that handle, and only when the handle says
// it holds a reparse point: Wine lists its links as reparse points but opens
// and deletes them as their targets (RemoveDirectoryW on a link to an empty
// folder removes that folder), so there the link is left alone.
void RemoveLinkEntry(const std::wstring& path) {
  platform::FileHandle link(
      CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!link || !GetFileInformationByHandle(link.Get(), &info) || !IsLink(info.dwFileAttributes)) {
    return;
  }
  FILE_DISPOSITION_INFO disposition = {TRUE};
  SetFileInformationByHandle(link.Get(), FileDispositionInfo, &disposition, sizeof disposition);
}

}  // namespace

std::optional<std::wstring> ResolveFolder(const std::string& folder) {
  const std::wstring given = platform::Widen(folder);
  if (FormOf(given) == PathForm::None) return std::nullopt;
  // Normalising settles "..", "." and forward slashes, so "C:\x\.." is seen
  // for the root it is; a reserved device name ("C:\x\NUL") comes back in the
  // device namespace and is refused below.
  std::wstring full = FullPath(given);
  if (full.find_first_of(L"*?") != std::wstring::npos) return std::nullopt;
  while (full.size() > 3 && full.back() == L'\\') full.pop_back();

  switch (FormOf(full)) {
    case PathForm::Drive:
      if (full.size() <= 3) return std::nullopt;
      return kLongPrefix + full;
    case PathForm::Unc: {
      // A share's root is what a drive root is to a drive.
      const size_t serverEnd = full.find(L'\\', 2);
      if (serverEnd == std::wstring::npos || serverEnd == 2) return std::nullopt;
      const size_t shareEnd = full.find(L'\\', serverEnd + 1);
      if (shareEnd == std::wstring::npos || shareEnd == serverEnd + 1) return std::nullopt;
      if (shareEnd + 1 >= full.size()) return std::nullopt;
      return kLongUncPrefix + full.substr(2);
    }
    case PathForm::None:
      break;
  }
  return std::nullopt;
}

bool IsFullFilePath(const std::string& file) {
  const std::wstring given = platform::Widen(file);
  return FormOf(given) != PathForm::None && FormOf(FullPath(given)) != PathForm::None;
}

std::wstring DisplayPath(const std::wstring& longPath) {
  const std::wstring_view path = longPath;
  if (path.starts_with(kLongUncPrefix)) {
    return L"\\" + std::wstring(path.substr(std::size(kLongUncPrefix) - 2));
  }
  if (path.starts_with(kLongPrefix)) return std::wstring(path.substr(std::size(kLongPrefix) - 1));
  return longPath;
}

std::wstring LowerName(std::wstring name) {
  if (!name.empty()) CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

void PreviewLedger::Record(std::wstring path) {
  gone_.insert(LowerName(std::move(path)));
}

void PreviewLedger::Erased(ItemKind kind, const std::wstring& path, double bytes) {
  sink_.OnItem(ErasedItem{kind, DisplayPath(path), bytes});
  Record(path);
}

void PreviewLedger::Emptied(const std::wstring& folder, double bytes) {
  sink_.OnItem(ErasedItem{ItemKind::Folder, DisplayPath(folder), bytes});
  Record(folder + L"\\");
}

void PreviewLedger::ErasedName(ItemKind kind, const std::wstring& shown, const std::wstring& name) {
  sink_.OnItem(ErasedItem{kind, shown, 0});
  Record(name);
}

void PreviewLedger::Action(const std::wstring& description) {
  sink_.OnItem(ErasedItem{ItemKind::Action, description, 0});
}

bool PreviewLedger::IsGone(const std::wstring& path) const {
  if (gone_.empty()) return false;
  const std::wstring lower = LowerName(path);
  if (gone_.count(lower)) return true;
  // Gone with a folder or key above it, or with an emptied folder's contents.
  for (size_t at = lower.find(L'\\'); at != std::wstring::npos; at = lower.find(L'\\', at + 1)) {
    if (at == 0) continue;
    if (gone_.count(lower.substr(0, at)) || gone_.count(lower.substr(0, at + 1))) return true;
  }
  return false;
}

void PreviewLedger::Shrunk(const std::wstring& path, double bytes) {
  shrunk_[LowerName(path)] += bytes;
}

double PreviewLedger::SizeNow(const std::wstring& path, double size) const {
  if (shrunk_.empty()) return size;
  const auto found = shrunk_.find(LowerName(path));
  if (found == shrunk_.end()) return size;
  return size > found->second ? size - found->second : 0;
}

FileRule FileRule::All() {
  return FileRule(Kind::All, {});
}
FileRule FileRule::Named(const std::string& name) {
  return FileRule(Kind::Name, platform::Widen(name));
}
FileRule FileRule::WithExtension(const std::string& extension) {
  return FileRule(Kind::Extension, platform::Widen(extension));
}

bool FileRule::Matches(const wchar_t* name) const {
  switch (kind_) {
    case Kind::All:
      return true;
    case Kind::Name:
      return text_ == name;
    case Kind::Extension: {
      const wchar_t* point = std::wcsrchr(name, L'.');
      return LowerName(point ? std::wstring(point + 1) : std::wstring()) == text_;
    }
  }
  return false;
}

double EraseFiles(const std::wstring& folder, const FileRule& rule, bool recurse,
                  PreviewLedger* preview) {
  double total = 0;
  std::vector<std::wstring> pending{folder};
  std::vector<std::wstring> found;
  while (!pending.empty()) {
    const std::wstring current = std::move(pending.back());
    pending.pop_back();
    if (preview && preview->IsGone(current)) continue;
    ListFolder(current, [&](const WIN32_FIND_DATAW& entry, const std::wstring& path) {
      if (IsFolder(entry.dwFileAttributes)) {
        if (recurse && !IsLink(entry.dwFileAttributes)) found.push_back(path);
        return;
      }
      if (preview && preview->IsGone(path)) return;
      if (!preview) ClearHidden(path, entry.dwFileAttributes);
      if (rule.Matches(entry.cFileName)) {
        const double size = preview ? preview->SizeNow(path, SizeOf(entry)) : SizeOf(entry);
        total += size;
        if (preview) {
          preview->Erased(ItemKind::File, path, size);
        } else {
          DeleteOneFile(path, entry.dwFileAttributes, /*force=*/false);
        }
      }
      platform::YieldToMessages();
    });
    PushInOrder(pending, found);
    platform::YieldToMessages();
  }
  return total;
}

double EraseNamedFolders(const std::wstring& folder, DWORD attributes,
                         const std::wstring& lowerName, PreviewLedger* preview) {
  struct Folder {
    std::wstring path;
    DWORD attributes;
  };
  double total = 0;
  std::vector<Folder> pending{{folder, attributes}};
  std::vector<Folder> subfolders;
  std::vector<Folder> descend;
  while (!pending.empty()) {
    const Folder current = std::move(pending.back());
    pending.pop_back();
    subfolders.clear();
    ListFolder(current.path, [&](const WIN32_FIND_DATAW& entry, const std::wstring& path) {
      if (IsFolder(entry.dwFileAttributes) && !(preview && preview->IsGone(path))) {
        subfolders.push_back({path, entry.dwFileAttributes});
      }
    });
    if (subfolders.empty()) continue;
    if (!preview) ClearHidden(current.path, current.attributes);

    // Matches of this level go first; the walk then descends into what is
    // left. A matched folder is never descended into, even when its deletion
    // failed: everything in it that could go is gone, and entering it again
    // would count its remains twice (and preview could not foresee it).
    for (Folder& sub : subfolders) {
      const std::wstring name = sub.path.substr(sub.path.find_last_of(L'\\') + 1);
      const bool link = IsLink(sub.attributes);
      if (LowerName(name) == lowerName) {
        double size = 0;
        if (preview) {
          if (!link) size = TreeSize(sub.path, preview);
          preview->Erased(ItemKind::Folder, sub.path, size);
        } else if (link) {
          RemoveLinkEntry(sub.path);
        } else {
          size = RemoveTree(sub.path, /*force=*/false, /*removeFolder=*/true);
        }
        total += size;
      } else if (!link) {
        descend.push_back(std::move(sub));
      }
      platform::YieldToMessages();
    }
    PushInOrder(pending, descend);
  }
  return total;
}

double RemoveTree(const std::wstring& folder, bool force, bool removeFolder) {
  struct Folder {
    std::wstring path;
    bool listed;
  };
  double total = 0;
  // A folder stays queued after its listing and is removed once everything
  // queued above it (its subfolders) is done.
  std::vector<Folder> pending{{folder, false}};
  std::vector<Folder> found;
  while (!pending.empty()) {
    if (pending.back().listed) {
      if (pending.size() > 1 || removeFolder) {
        RemoveOneFolder(pending.back().path, force);
      }
      pending.pop_back();
      continue;
    }
    pending.back().listed = true;
    ListFolder(pending.back().path, [&](const WIN32_FIND_DATAW& entry, const std::wstring& path) {
      const DWORD attributes = entry.dwFileAttributes;
      if (IsFolder(attributes)) {
        if (IsLink(attributes)) {
          RemoveLinkEntry(path);
        } else {
          found.push_back({path, false});
        }
      } else {
        total += SizeOf(entry);
        DeleteOneFile(path, attributes, force);
      }
      platform::YieldToMessages();
    });
    PushInOrder(pending, found);
  }
  return total;
}

double TreeSize(const std::wstring& folder, const PreviewLedger* preview) {
  double total = 0;
  std::vector<std::wstring> pending{folder};
  std::vector<std::wstring> found;
  while (!pending.empty()) {
    const std::wstring current = std::move(pending.back());
    pending.pop_back();
    if (preview && preview->IsGone(current)) continue;
    ListFolder(current, [&](const WIN32_FIND_DATAW& entry, const std::wstring& path) {
      if (preview && preview->IsGone(path)) return;
      if (!IsFolder(entry.dwFileAttributes)) {
        total += preview ? preview->SizeNow(path, SizeOf(entry)) : SizeOf(entry);
      } else if (!IsLink(entry.dwFileAttributes)) {
        found.push_back(path);
      }
      platform::YieldToMessages();
    });
    PushInOrder(pending, found);
  }
  return total;
}

}  // namespace allerase::walk
