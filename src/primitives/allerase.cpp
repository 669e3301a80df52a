#include "primitives/allerase.h"

#include <shlwapi.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "platform/handles.h"
#include "platform/text.h"
#include "primitives/erase_walk.h"

namespace allerase {
namespace {

thread_local walk::PreviewLedger* t_preview = nullptr;

walk::PreviewLedger* Preview() {
  return t_preview;
}

double EraseFilesIn(const std::string& folder, const walk::FileRule& rule, bool recurse) {
  const std::optional<std::wstring> top = walk::ResolveFolder(folder);
  if (!top) return 0;
  return walk::EraseFiles(*top, rule, recurse, Preview());
}

// An empty subkey (or one of backslashes only) names the root itself; no
// track ever means to erase a whole root, so such a call erases nothing.
bool NamesWholeRoot(const std::string& subkey) {
  return subkey.find_first_not_of('\\') == std::string::npos;
}

std::wstring RootName(HKEY root) {
  struct Name {
    HKEY root;
    const wchar_t* name;
  };
  static const Name kNames[] = {
      {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT"},
      {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"},
      {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"},
      {HKEY_USERS, L"HKEY_USERS"},
      {HKEY_PERFORMANCE_DATA, L"HKEY_PERFORMANCE_DATA"},
      {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG"},
      {HKEY_DYN_DATA, L"HKEY_DYN_DATA"},
  };
  for (const Name& entry : kNames) {
    if (entry.root == root) return entry.name;
  }
  wchar_t number[32];
  wsprintfW(number, L"0x%p", static_cast<void*>(root));
  return number;
}

std::wstring KeyText(HKEY root, const std::string& subkey) {
  return RootName(root) + L"\\" + platform::Widen(subkey);
}

// The key as the registry reads it: a doubled backslash is one separator and
// a trailing one is none. Preview compares keys by this text.
std::wstring KeyId(HKEY root, const std::string& subkey) {
  std::wstring text = RootName(root);
  bool separator = true;
  for (wchar_t c : platform::Widen(subkey)) {
    if (c == L'\\') {
      separator = true;
      continue;
    }
    if (separator) text += L'\\';
    separator = false;
    text += c;
  }
  return text;
}

// Whether the key has a subkey that the preview has not already erased.
bool HasLiveSubkey(HKEY key, const std::wstring& keyText, const walk::PreviewLedger& preview) {
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof(name);
    const LONG result =
        RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return false;
    if (result != ERROR_SUCCESS) return true;
    if (!preview.IsGone(keyText + L"\\" + platform::Widen(std::string(name, length)))) return true;
  }
}

// Opens an existing key for reading; never creates one.
platform::RegKey OpenForReading(HKEY root, const std::string& subkey) {
  platform::RegKey key;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
    key.Reset();
  }
  return key;
}

bool SectionExists(const std::string& file, const std::string& section) {
  std::vector<char> names(4096);
  DWORD length = 0;
  for (;;) {
    const DWORD size = static_cast<DWORD>(names.size());
    length = GetPrivateProfileSectionNamesA(names.data(), size, file.c_str());
    // A list cut short comes back as the buffer size less two.
    if (length + 2 < size || names.size() >= (1u << 24)) break;
    names.assign(names.size() * 2, '\0');
  }
  size_t at = 0;
  const size_t end = length < names.size() ? length : names.size();
  while (at < end) {
    const size_t n = strnlen(names.data() + at, end - at);
    if (n == 0) break;
    if (platform::EqualsNoCase(std::string_view(names.data() + at, n), section)) return true;
    at += n + 1;
  }
  return false;
}

// The bytes a section takes in an INI file: its header line and every line up
// to the next header or the end of the file. Taking the section out makes the
// file that much smaller; a later operation of the same preview must count
// the file without them, as the pass deletes it without them.
double SectionBytes(const std::wstring& file, const std::string& section) {
  platform::FileHandle handle(CreateFileW(file.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
  if (!handle) return 0;
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(handle.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    text.append(buffer, got);
  }
  const std::string_view view = text;
  double bytes = 0;
  bool inside = false;
  for (size_t start = 0; start < view.size();) {
    const size_t newline = view.find('\n', start);
    const size_t end = newline == std::string_view::npos ? view.size() : newline + 1;
    const size_t first = view.find_first_not_of(" \t", start);
    if (first < end && view[first] == '[') {
      // Only the first section of the name goes, as the platform removes it.
      if (inside) break;
      const size_t close = view.find(']', first);
      inside = close < end &&
               platform::EqualsNoCase(
                   platform::TrimSpaces(view.substr(first + 1, close - first - 1)), section);
    }
    if (inside) bytes += static_cast<double>(end - start);
    start = end;
  }
  return bytes;
}

}  // namespace

PreviewScope::PreviewScope(EraseSink& sink)
    : ledger_(std::make_unique<walk::PreviewLedger>(sink)), previous_(t_preview) {
  t_preview = ledger_.get();
}

PreviewScope::~PreviewScope() {
  t_preview = previous_;
}

bool InPreview() {
  return t_preview != nullptr;
}

void ReportPreviewAction(const std::string& description) {
  if (walk::PreviewLedger* preview = Preview()) preview->Action(platform::Widen(description));
}

double DeleteNamedFilesInTree(const std::string& folder, const std::string& fileName) {
  return EraseFilesIn(folder, walk::FileRule::Named(fileName), /*recurse=*/true);
}

double DeleteAllFilesInTree(const std::string& folder) {
  return EraseFilesIn(folder, walk::FileRule::All(), /*recurse=*/true);
}

double DeleteFilesByExtInTree(const std::string& folder, const std::string& extension) {
  return EraseFilesIn(folder, walk::FileRule::WithExtension(extension), /*recurse=*/true);
}

double DeleteFilesInFolder(const std::string& folder) {
  return EraseFilesIn(folder, walk::FileRule::All(), /*recurse=*/false);
}

double DeleteNamedFileInFolder(const std::string& folder, const std::string& fileName) {
  return EraseFilesIn(folder, walk::FileRule::Named(fileName), /*recurse=*/false);
}

double DeleteFilesByExtInFolder(const std::string& folder, const std::string& extension) {
  return EraseFilesIn(folder, walk::FileRule::WithExtension(extension), /*recurse=*/false);
}

double DeleteNamedFoldersInTree(const std::string& folder, const std::string& folderName) {
  const std::optional<std::wstring> top = walk::ResolveFolder(folder);
  if (!top) return 0;
  const DWORD attributes = GetFileAttributesW(top->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;
  // Names on disk are lower-cased before the comparison and the given name is
  // not, so a name given with a capital letter never matches.
  return walk::EraseNamedFolders(*top, attributes, platform::Widen(folderName), Preview());
}

double EmptyFolder(const std::string& folder) {
  const std::optional<std::wstring> top = walk::ResolveFolder(folder);
  if (!top) return 0;
  walk::PreviewLedger* preview = Preview();
  const DWORD attributes = GetFileAttributesW(top->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    // Emptying ends with a folder at the path, even when there was none.
    if (!preview) CreateDirectoryW(top->c_str(), nullptr);
    return 0;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;

  // A folder named through a link (a relocated Documents folder, say) is
  // emptied where it really lives; the link stays, or the user's setting
  // that points at it would point at an ordinary empty folder instead.
  const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (preview) {
    const double size = preview->IsGone(*top) ? 0 : walk::TreeSize(*top, preview);
    preview->Emptied(*top, size);
    return size;
  }
  if (!link && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY))) {
    SetFileAttributesW(top->c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  const double size = walk::RemoveTree(*top, /*force=*/true, /*removeFolder=*/!link);
  if (!link) CreateDirectoryW(top->c_str(), nullptr);
  return size;
}

double FolderSize(const std::string& folder) {
  const std::optional<std::wstring> top = walk::ResolveFolder(folder);
  return top ? walk::TreeSize(*top, Preview()) : 0;
}

int DeleteRegKey(HKEY root, const std::string& subkey) {
  if (NamesWholeRoot(subkey)) return kRegKeyCredit;
  if (walk::PreviewLedger* preview = Preview()) {
    const std::wstring id = KeyId(root, subkey);
    const platform::RegKey key = OpenForReading(root, subkey);
    if (key && !preview->IsGone(id) && !HasLiveSubkey(key.Get(), id, *preview)) {
      preview->ErasedName(ItemKind::RegistryKey, KeyText(root, subkey), id);
    }
    return kRegKeyCredit;
  }
  // The platform refuses to delete a key that has subkeys, which is the rule.
  RegDeleteKeyA(root, subkey.c_str());
  return kRegKeyCredit;
}

int DeleteRegTree(HKEY root, const std::string& subkey) {
  if (NamesWholeRoot(subkey)) return kRegTreeCredit;
  if (walk::PreviewLedger* preview = Preview()) {
    const std::wstring id = KeyId(root, subkey);
    if (OpenForReading(root, subkey) && !preview->IsGone(id)) {
      preview->ErasedName(ItemKind::RegistryTree, KeyText(root, subkey), id);
    }
    return kRegTreeCredit;
  }
  SHDeleteKeyA(root, subkey.c_str());
  return kRegTreeCredit;
}

int DeleteRegValue(HKEY root, const std::string& subkey, const std::string& valueName) {
  if (walk::PreviewLedger* preview = Preview()) {
    const std::wstring value = L"\\" + platform::Widen(valueName);
    const std::wstring id = KeyId(root, subkey) + value;
    const platform::RegKey key = OpenForReading(root, subkey);
    if (key && !preview->IsGone(id) &&
        RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS) {
      preview->ErasedName(ItemKind::RegistryValue, KeyText(root, subkey) + value, id);
    }
    return kRegValueCredit;
  }
  // RegOpenKeyEx rather than RegOpenKey: given an empty subkey the latter
  // hands back the root handle itself, which must not be closed.
  platform::RegKey key;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_SET_VALUE, key.Receive()) == ERROR_SUCCESS) {
    RegDeleteValueA(key.Get(), valueName.c_str());
  }
  return kRegValueCredit;
}

void DeleteIniSection(const std::string& file, const std::string& section) {
  // A file name without a folder sends the profile functions to the Windows
  // folder, where they would find win.ini and its kin: never the file meant.
  if (!walk::IsFullFilePath(file)) return;
  if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  if (walk::PreviewLedger* preview = Preview()) {
    const std::optional<std::wstring> path = walk::ResolveFolder(file);
    const std::wstring text = platform::Widen(file + " [" + section + "]");
    if (SectionExists(file, section) && !preview->IsGone(text) &&
        !(path && preview->IsGone(*path))) {
      preview->ErasedName(ItemKind::IniSection, text, text);
      if (path) preview->Shrunk(*path, SectionBytes(*path, section));
    }
    return;
  }
  WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str());
}

}  // namespace allerase
