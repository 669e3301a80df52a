#include "engine/cleaning_pass.h"
#include "platform/process.h"
#include "platform/text.h"
#include "primitives/allerase.h"
#include "primitives/regfun.h"

namespace engine {
namespace {

constexpr const char* kMaxthonKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Maxthon2";

// A folder read from the registry is usable only when the read worked.
std::string UsableFolder(const std::string& text) {
  return text == regfun::kReadFailed ? std::string() : text;
}

HKEY RootOf(Base base) {
  switch (base) {
    case Base::HKCU:
    case Base::Office:
    case Base::OfficeProfileWizard:
      return HKEY_CURRENT_USER;
    case Base::HKLM:
      return HKEY_LOCAL_MACHINE;
    case Base::HKU:
      return HKEY_USERS;
    default:
      return nullptr;
  }
}

// The subkey a registry step names. The Office bases put this pass's Office
// version in front of the step's tail; with no version known the subkey holds
// two backslashes in a row ("Software\Microsoft\Office\\Word\Data") and is
// passed on as it stands: the registry decides what that names.
std::string RegistrySubkey(TrackRun& run, const Step& step) {
  switch (step.base) {
    case Base::Office:
      return "Software\\Microsoft\\Office\\" + run.state().officeVersion + step.path;
    case Base::OfficeProfileWizard:
      return "Software\\Microsoft\\OfficeProfileWizard\\" + run.state().officeVersion + step.path;
    default:
      return step.path;
  }
}

}  // namespace

std::string TrackRun::DocumentsFolder() const {
  return environment_.documentsFolder ? environment_.documentsFolder() : ReadDocumentsFolder();
}

std::string ResolveFolder(TrackRun& run, Base base) {
  const PassEnvironment& environment = run.environment();
  switch (base) {
    case Base::None:
      return {};
    case Base::Roaming:
      return UsableFolder(environment.roaming);
    case Base::Local:
      return UsableFolder(environment.local);
    case Base::Documents:
      return UsableFolder(run.DocumentsFolder());
    case Base::Windows:
      return environment.windowsFolder;
    case Base::Program:
      return environment.programFolder;
    case Base::Netscape: {
      const std::string roaming = UsableFolder(environment.roaming);
      if (roaming.empty()) return {};
      const std::string nsb = roaming + "\\Netscape\\NSB\\Profiles";
      return platform::FolderExists(nsb) ? nsb : roaming + "\\Netscape\\Navigator\\Profiles";
    }
    case Base::Maxthon: {
      const std::optional<std::string> location =
          regfun::ReadRegString(kMaxthonKey, "InstallLocation");
      return location ? UsableFolder(platform::TrimSpaces(platform::CutAtNul(*location))) : "";
    }
    case Base::HKCU:
    case Base::HKLM:
    case Base::HKU:
    case Base::Office:
    case Base::OfficeProfileWizard:
      return {};
  }
  return {};
}

void RunSteps(TrackRun& run, std::span<const Step> steps) {
  for (const Step& step : steps) {
    if (step.op == Op::End) break;
    try {
      switch (step.op) {
        case Op::RegKey:
          run.AddRegistry(allerase::DeleteRegKey(RootOf(step.base), RegistrySubkey(run, step)));
          continue;
        case Op::RegTree:
          run.AddRegistry(allerase::DeleteRegTree(RootOf(step.base), RegistrySubkey(run, step)));
          continue;
        case Op::RegValue:
          run.AddRegistry(
              allerase::DeleteRegValue(RootOf(step.base), RegistrySubkey(run, step), step.arg));
          continue;
        case Op::AddRegistry:
          run.AddRegistry(step.amount);
          continue;
        case Op::AddBytes:
          run.AddBytes(step.amount);
          continue;
        case Op::Call:
          if (step.call) step.call(run);
          continue;
        default:
          break;
      }

      // File steps: a base that cannot be determined erases nothing.
      std::string folder;
      if (step.base == Base::None) {
        folder = step.path;
      } else {
        const std::string base = ResolveFolder(run, step.base);
        if (base.empty()) continue;
        folder = base + step.path;
      }
      switch (step.op) {
        case Op::NamedFilesInTree:
          run.AddBytes(allerase::DeleteNamedFilesInTree(folder, step.arg));
          break;
        case Op::AllFilesInTree:
          run.AddBytes(allerase::DeleteAllFilesInTree(folder));
          break;
        case Op::FilesByExtInTree:
          run.AddBytes(allerase::DeleteFilesByExtInTree(folder, step.arg));
          break;
        case Op::NamedFoldersInTree:
          run.AddBytes(allerase::DeleteNamedFoldersInTree(folder, step.arg));
          break;
        case Op::EmptyFolder:
          run.AddBytes(allerase::EmptyFolder(folder));
          break;
        case Op::FilesInFolder:
          run.AddBytes(allerase::DeleteFilesInFolder(folder));
          break;
        case Op::NamedFileInFolder:
          run.AddBytes(allerase::DeleteNamedFileInFolder(folder, step.arg));
          break;
        case Op::FilesByExtInFolder:
          run.AddBytes(allerase::DeleteFilesByExtInFolder(folder, step.arg));
          break;
        case Op::IniSection:
          allerase::DeleteIniSection(folder, step.arg);
          break;
        default:
          break;
      }
    } catch (...) {
      // A step that fails is skipped; the next one runs.
    }
  }
}

}  // namespace engine
