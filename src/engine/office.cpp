// The OFFICE tracks: recent-file, recent-place and template lists of the
// Office programs in the registry. Their keys lie below Office's version
// component, which the pass learns once, before the first Office track, by
// asking Word. Word, Excel and PowerPoint keep other lists from Office 2007
// on, and Access from Office 2010 on; those four choose their rows at run time.
#include "engine/office.h"

#include <span>
#include <string>

#include "engine/families.h"
#include "platform/com.h"
#include "platform/text.h"

namespace engine {
namespace {

constexpr const char* kSection = "OFFICE";
constexpr int kDetectionProgress = 48;

struct ProductVersion {
  const char* product;
  const char* version;
};

constexpr ProductVersion kProductVersions[] = {
    {"Office97", "8.0"},    {"Office2000", "9.0"},  {"Office2002", "10.0"},
    {"Office2003", "11.0"}, {"Office2007", "12.0"}, {"Office2010", "14.0"},
};

// The first part of Word's version text that names a product. The order
// matters: "10.0" is tested for "8" and "9" before "10".
constexpr ProductVersion kWordVersionParts[] = {
    {"Office97", "8"},    {"Office2000", "9"},  {"Office2002", "10"},
    {"Office2003", "11"}, {"Office2007", "12"}, {"Office2010", "14"},
};

bool IsNewStyle(TrackRun& run) {
  const std::string& version = run.state().officeVersion;
  return version == "12.0" || version == "14.0";
}

// Runs in previews too: asking Word starts and quits it in the background and
// erases nothing, and without the version a preview could not list the keys
// an erasing pass would remove.
void DetectOfficeVersion(TrackRun& run) {
  const std::function<std::string()>& ask = run.environment().officeProduct;
  std::string product;
  try {
    product = ask ? ask() : Normal::GetOfficeVersion();
  } catch (...) {
    // A product that cannot be learnt is no product; the tracks still run.
  }
  run.state().officeVersion = OfficeVersionText(product);
}

constexpr Step kWordOther[] = {
    RegTree(Base::Office, "\\Word\\Data"),
    RegTree(Base::Office, "\\Word\\Recent Templates"),
    RegTree(Base::Office, "\\Word\\ProjectTemplateLocation"),
};
constexpr Step kWordNewStyle[] = {
    RegTree(Base::Office, "\\Word\\File MRU"),
    RegTree(Base::Office, "\\Word\\Place MRU"),
};
constexpr Step kExcelOther[] = {
    RegTree(Base::Office, "\\Excel\\Recent Files"),
    RegTree(Base::Office, "\\Excel\\Recent Templates"),
    RegTree(Base::Office, "\\Excel\\ProjectTemplateLocation"),
};
constexpr Step kExcelNewStyle[] = {
    RegTree(Base::Office, "\\Excel\\File MRU"),
    RegTree(Base::Office, "\\Excel\\Place MRU"),
};
constexpr Step kPowerPointOther[] = {
    RegTree(Base::Office, "\\PowerPoint\\Recent File List"),
    RegTree(Base::Office, "\\PowerPoint\\Recent Templates"),
    RegTree(Base::Office, "\\PowerPoint\\RecentFolderList"),
    RegTree(Base::Office, "\\PowerPoint\\RecentTemplateList"),
    RegTree(Base::Office, "\\PowerPoint\\ProjectTemplateLocation"),
};
constexpr Step kPowerPointNewStyle[] = {
    RegTree(Base::Office, "\\PowerPoint\\File MRU"),
    RegTree(Base::Office, "\\PowerPoint\\Place MRU"),
};
constexpr Step kAccessOther[] = {
    RegTree(Base::Office, "\\Access\\Settings"),
    RegTree(Base::Office, "\\Access\\Internet\\Recent Templates"),
};
// Access 2007 still keeps the older lists; only Access 2010 moved.
constexpr Step kAccess2010[] = {
    RegTree(Base::Office, "\\Access\\File MRU"),
    RegTree(Base::Office, "\\Access\\Place MRU"),
};

// Runs `newStyle` for Office 2007 and 2010, `other` for every other version
// (none known included).
void RunByStyle(TrackRun& run, std::span<const Step> newStyle, std::span<const Step> other) {
  RunSteps(run, IsNewStyle(run) ? newStyle : other);
}

void CleanWord(TrackRun& run) {
  RunByStyle(run, kWordNewStyle, kWordOther);
}
void CleanExcel(TrackRun& run) {
  RunByStyle(run, kExcelNewStyle, kExcelOther);
}
void CleanPowerPoint(TrackRun& run) {
  RunByStyle(run, kPowerPointNewStyle, kPowerPointOther);
}
void CleanAccess(TrackRun& run) {
  const bool access2010 = run.state().officeVersion == "14.0";
  RunSteps(run,
           access2010 ? std::span<const Step>(kAccess2010) : std::span<const Step>(kAccessOther));
}

// One row per step of the pass in order: section, key, status caption,
// progress set at the start, steps.
// clang-format off
const TrackRow kOfficeTracks[] = {
    // Not a track: runs once in every pass, whatever is selected.
    {kSection, nullptr, "", kDetectionProgress,
     {Call(DetectOfficeVersion)}},
    {kSection, "word", "Microsoft Word", kNoProgress,
     {Call(CleanWord)}},
    {kSection, "excel", "Microsoft Excel", 49,
     {Call(CleanExcel)}},
    {kSection, "powerpoint", "Microsoft Powerpoint", 50,
     {Call(CleanPowerPoint)}},
    {kSection, "frontpage", "Microsoft FrontPage", 51,
     {RegTree(Base::HKCU, "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\"
                          "Recent File List"),
      RegTree(Base::HKCU, "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\"
                          "Recent Page List"),
      RegTree(Base::HKCU, "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\"
                          "Recent Web List"),
      RegTree(Base::HKCU, "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\"
                          "Recently Created Servers"),
      RegValue(Base::HKCU, "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\"
                           "Settings",
               "LastWebOpen")}},
    {kSection, "access", "Microsoft Access", 52,
     {Call(CleanAccess)}},
    {kSection, "Publisher", "Microsoft Publisher", kNoProgress,
     {RegTree(Base::Office, "\\Publisher\\Recent File List"),
      RegTree(Base::Office, "\\Publisher\\File MRU"),
      RegTree(Base::Office, "\\Publisher\\Place MRU")}},
    {kSection, "InfoPath", "Microsoft InfoPath", kNoProgress,
     {RegTree(Base::Office, "\\InfoPath\\Recent File List"),
      RegTree(Base::Office, "\\InfoPath\\Recent Templates"),
      RegTree(Base::Office, "\\InfoPath\\File MRU"),
      RegTree(Base::Office, "\\InfoPath\\Place MRU")}},
    {kSection, "Project", "Microsoft Project", kNoProgress,
     {RegTree(Base::Office, "\\MS Project\\Recent File List"),
      RegTree(Base::Office, "\\MS Project\\Recent Templates"),
      RegTree(Base::Office, "\\MS Project\\ProjectTemplateLocation"),
      RegTree(Base::Office, "\\MS Project\\File MRU"),
      RegTree(Base::Office, "\\MS Project\\Place MRU")}},
    {kSection, "Visio", "Microsoft Visio", 53,
     {RegTree(Base::Office, "\\Visio\\Recent Templates"),
      RegTree(Base::Office, "\\Visio\\File MRU"),
      RegTree(Base::Office, "\\Visio\\Place MRU")}},
    {kSection, "Organizer", "Clip Organizer", kNoProgress,
     {RegValue(Base::Office, "\\Clip Organizer", "MRUKeywords"),
      RegTree(Base::Office, "\\Clip Organizer\\File MRU"),
      RegTree(Base::Office, "\\Clip Organizer\\Place MRU")}},
    {kSection, "Settings", "Microsoft Office Settings", kNoProgress,
     {RegTree(Base::OfficeProfileWizard, "\\RecentFileList"),
      RegTree(Base::OfficeProfileWizard, "\\File MRU"),
      RegTree(Base::OfficeProfileWizard, "\\Place MRU")}},
    {kSection, "Picture", "Microsoft Office Picture Manager", 54,
     {RegValue(Base::Office, "\\OIS\\Options", "LastTreeConfig"),
      RegValue(Base::Office, "\\OIS\\Options", "LastTreeSelection"),
      RegTree(Base::Office, "\\Common\\Open Find\\Microsoft Office Picture Manager\\Settings\\"
                            "Add Picture Shortcut\\File Name MRU")}},
    {kSection, "Viewer", "Microsoft Snapshot Viewer", kNoProgress,
     {RegTree(Base::HKCU, "Software\\Microsoft\\Snapshot Viewer\\Recent File List"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Snapshot Viewer\\File MRU"),
      RegTree(Base::HKCU, "Software\\Microsoft\\Snapshot Viewer\\Place MRU")}},
};
// clang-format on

}  // namespace

std::string OfficeProductOfWordVersion(const std::string& version) {
  for (const ProductVersion& part : kWordVersionParts) {
    if (version.find(part.version) != std::string::npos) return part.product;
  }
  return {};
}

std::string OfficeVersionText(const std::string& product) {
  for (const ProductVersion& entry : kProductVersions) {
    if (product == entry.product) return entry.version;
  }
  return {};
}

std::string OfficeProductFrom(const std::string& progId) {
  try {
    platform::ComScope com;
    platform::AutomationObject word = platform::AutomationObject::Create(platform::Widen(progId));
    if (!word.Valid()) return kNoOffice;
    // A Word that does not answer is taken as version "0": no product.
    const std::string version = word.GetText(L"Version").value_or("0");
    // Creating the object started a Word of its own; it must not stay behind.
    word.Call(L"Quit");
    word.Release();
    return OfficeProductOfWordVersion(version);
  } catch (...) {
    return kNoOffice;
  }
}

std::span<const TrackRow> OfficeTracks() {
  return kOfficeTracks;
}

}  // namespace engine

namespace Normal {

std::string GetOfficeVersion() {
  return engine::OfficeProductFrom(engine::kWordProgId);
}

}  // namespace Normal
