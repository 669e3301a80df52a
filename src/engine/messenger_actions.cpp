#include "engine/messenger_actions.h"

#include "platform/text.h"
#include "primitives/allerase.h"
#include "primitives/regfun.h"

namespace engine {
namespace {

constexpr const char* kYahooHelpKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\TypeLib\\{2B323CCC-50E3-11D3-9466-00A0C9700498}\\1.0"
    "\\HELPDIR";
constexpr const char* kWindowsMailKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows Mail";

// A folder value as stored, or "" when the read failed. Nothing is expanded:
// these values have always been used literally.
std::string ReadFolderValue(const char* key, const char* valueName) {
  const std::optional<std::string> value = regfun::ReadRegString(key, valueName);
  if (!value || *value == regfun::kReadFailed) return {};
  return platform::TrimSpaces(platform::CutAtNul(*value));
}

}  // namespace

std::string YahooHelpFolder() {
  return ReadFolderValue(kYahooHelpKey, "");
}

void EraseYahooHelpProfiles(TrackRun& run) {
  const std::string folder = YahooHelpFolder();
  if (folder.empty()) return;
  run.AddBytes(allerase::DeleteAllFilesInTree(folder + "Profiles"));
}

std::string WindowsMailStoreFolder() {
  return ReadFolderValue(kWindowsMailKey, "Store Root");
}

void EraseWindowsMailAccounts(TrackRun& run) {
  const std::string folder = WindowsMailStoreFolder();
  if (folder.empty()) return;
  run.AddBytes(allerase::DeleteFilesByExtInTree(folder, "oeaccount"));
}

}  // namespace engine
