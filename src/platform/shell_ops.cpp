#include "platform/shell_ops.h"

#include <shellapi.h>
#include <shlobj.h>

namespace platform {

RecycleBinContents QueryRecycleBin() {
  SHQUERYRBINFO info{};
  info.cbSize = sizeof(info);
  // The empty root means every drive's bin.
  if (FAILED(SHQueryRecycleBinA("", &info))) return {};
  return {static_cast<double>(info.i64Size), static_cast<double>(info.i64NumItems)};
}

bool EmptyRecycleBin(HWND owner) {
  return SUCCEEDED(SHEmptyRecycleBinA(owner, "", SHERB_NOCONFIRMATION));
}

bool ClearClipboard(HWND owner) {
  if (!OpenClipboard(owner)) return false;
  const bool emptied = EmptyClipboard() != FALSE;
  CloseClipboard();
  return emptied;
}

bool ClearRecentDocuments() {
  SetLastError(ERROR_SUCCESS);
  SHAddToRecentDocs(SHARD_PATHA, nullptr);
  return GetLastError() == ERROR_SUCCESS;
}

}  // namespace platform
