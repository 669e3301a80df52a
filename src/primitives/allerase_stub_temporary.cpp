// TEMPORARY: stands in for the erasure primitives until their own branch is
// merged, so the windows and the console program link. Erases nothing.
// Delete this file when allerase.cpp arrives.
#include "primitives/allerase.h"

namespace allerase {
namespace {
thread_local EraseSink* current = nullptr;
}

PreviewScope::PreviewScope(EraseSink& sink) : previous_(current) { current = &sink; }
PreviewScope::~PreviewScope() { current = previous_; }
bool InPreview() { return current != nullptr; }
void ReportPreviewAction(const std::string& description) {
  if (current) current->OnItem({ItemKind::Action, std::wstring(description.begin(), description.end()), 0});
}
double DeleteNamedFilesInTree(const std::string&, const std::string&) { return 0; }
double DeleteAllFilesInTree(const std::string&) { return 0; }
double DeleteFilesByExtInTree(const std::string&, const std::string&) { return 0; }
double DeleteNamedFoldersInTree(const std::string&, const std::string&) { return 0; }
double EmptyFolder(const std::string&) { return 0; }
double DeleteFilesInFolder(const std::string&) { return 0; }
double DeleteNamedFileInFolder(const std::string&, const std::string&) { return 0; }
double DeleteFilesByExtInFolder(const std::string&, const std::string&) { return 0; }
int DeleteRegKey(HKEY, const std::string&) { return kRegKeyCredit; }
int DeleteRegTree(HKEY, const std::string&) { return kRegTreeCredit; }
int DeleteRegValue(HKEY, const std::string&, const std::string&) { return kRegValueCredit; }
void DeleteIniSection(const std::string&, const std::string&) {}
double FolderSize(const std::string&) { return 0; }

}  // namespace allerase
