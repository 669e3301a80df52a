#include "engine/cleaning_pass.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "catalogue/catalogue.h"
#include "engine/families.h"
#include "platform/text.h"
#include "primitives/allerase.h"
#include "primitives/inifun.h"
#include "primitives/normal.h"
#include "primitives/regfun.h"

namespace engine {
namespace {

constexpr const char* kUserShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr const char* kAppTitle = "Murvane";
constexpr int kPluginsProgress = 80;
constexpr int kEndProgress = 97;
constexpr int kFullProgress = 100;
constexpr int kStartProgress = 1;

// The sections in the order a pass visits them, with the progress value the
// group's first track sets when no family table gives its own.
struct SectionOrder {
  const char* section;
  int progress;
  std::span<const TrackRow> (*family)();
};

const SectionOrder kSectionOrder[] = {
    {"EXPLORER", 1, &InternetExplorerTracks},
    {"FIREFOX", 12, &ProfileBrowserTracks},
    {"OPERA", 16, &ProfileBrowserTracks},
    {"NETSCAPE", 20, &ProfileBrowserTracks},
    {"AOL", 24, &InternetExplorerTracks},
    {"MSN", 28, &InternetExplorerTracks},
    {"Mozilla", 32, &ProfileBrowserTracks},
    {"Maxthon", 32, &ProfileBrowserTracks},
    {"Chrome", 32, &ProfileBrowserTracks},
    {"Safari", 32, &ProfileBrowserTracks},
    {"WINDOWS", 32, &WindowsTracks},
    {"Messenger", 43, &MessengerTracks},
    {"OFFICE", 48, &OfficeTracks},
    {"outlook", 55, &MailTracks},
    {"mail", 62, &MailTracks},
    {"Custom", 70, &CustomTracks},
};

// Marks the pass as running for its lifetime.
class RunningGuard {
 public:
  RunningGuard() { running_ = true; }
  ~RunningGuard() { running_ = false; }
  static bool running() { return running_; }

 private:
  static inline bool running_ = false;
};

bool IsSelected(const std::string& settingsFile, const PlannedTrack& track) {
  const std::string value = Inifun::ReadIniValue(settingsFile, track.section, track.key);
  const catalogue::Track* entry = catalogue::FindTrack(track.section, track.key);
  return entry ? catalogue::IsSelectedForPass(*entry, value) : catalogue::IsExactOne(value);
}

// showstatus: a new current row "Cleaning <caption> ......".
void ShowStatus(PassView& view, const std::string& caption) {
  view.Pump();
  const std::string status = "Cleaning " + caption + " ......";
  view.AddRow(caption, status);
  view.SetStatusLine(status);
}

void RunTrack(const PlannedTrack& track, const std::string& settingsFile, TrackRun& run) {
  PassView& view = run.view();
  if (track.progress != kNoProgress) view.SetProgress(track.progress);
  if (!track.key) {
    // An unconditional step of the pass (the Office version detection).
    if (track.row) RunSteps(run, track.row->steps);
    return;
  }
  if (!IsSelected(settingsFile, track)) return;
  ShowStatus(view, track.caption);
  run.SetFinalStatus(kDone);
  if (track.row) RunSteps(run, track.row->steps);
  view.SetRowStatus(run.finalStatus());
}

class DiscardingSink : public allerase::EraseSink {
 public:
  void OnItem(const allerase::ErasedItem&) override {}
};

double ReadNumber(const std::string& text) {
  // Reads the leading number the lenient way; a text that is not a number is 0.
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

bool IsPassRunning() {
  return RunningGuard::running();
}

std::vector<PlannedTrack> PassPlan() {
  std::vector<PlannedTrack> plan;
  for (const SectionOrder& order : kSectionOrder) {
    bool covered = false;
    for (const TrackRow& row : order.family()) {
      if (!row.section || !platform::EqualsNoCase(row.section, order.section)) continue;
      plan.push_back({&row, row.section, row.key, row.caption, row.progress});
      covered = true;
    }
    if (covered) continue;
    bool first = true;
    for (const catalogue::Track& track : catalogue::Tracks()) {
      if (!platform::EqualsNoCase(track.section, order.section)) continue;
      plan.push_back(
          {nullptr, track.section, track.key, track.caption, first ? order.progress : kNoProgress});
      first = false;
    }
  }
  return plan;
}

PassOutcome CleanNow(const PassEnvironment& environment, PassView& view,
                     const PassRequest& request) {
  PassOutcome outcome;
  if (RunningGuard::running()) return outcome;
  RunningGuard guard;
  outcome.ran = true;

  // A preview must never erase, also when nobody listens to what it finds.
  DiscardingSink discard;
  std::optional<allerase::PreviewScope> preview;
  if (request.preview) preview.emplace(request.sink ? *request.sink : discard);

  const std::string settingsFile = catalogue::SettingsFile(environment.programFolder);
  PassTotals totals;
  PassState state;

  view.BeginPass();
  view.ClearRows();
  view.SetProgress(kStartProgress);
  view.SetStatusLine("");

  for (const PlannedTrack& track : PassPlan()) {
    TrackRun run(environment, totals, state, view, request.preview);
    try {
      RunTrack(track, settingsFile, run);
    } catch (...) {
      // A track that fails is still over; the pass goes on with the next.
    }
  }
  view.SetProgress(kPluginsProgress);

  view.SetProgress(kEndProgress);
  outcome.totals = totals;
  if (!request.preview &&
      catalogue::IsExactOne(Inifun::ReadIniValue(settingsFile, catalogue::options::kSection,
                                                 catalogue::options::kExit))) {
    outcome.exited = true;
    view.ExitProgram();
    return outcome;
  }
  view.SetProgress(kFullProgress);
  view.EndPass();

  if (!request.preview) {
    namespace opt = catalogue::options;
    Inifun::WriteIniValue(settingsFile, opt::kSection, opt::kLastClean, GeneralDateNow());
    Inifun::WriteIniValue(settingsFile, opt::kSection, opt::kRegNum, CountText(totals.registry));
    Inifun::WriteIniValue(settingsFile, opt::kSection, opt::kFileSize, CountText(totals.bytes));
  }

  view.AddRow(kTaskComplete, "");
  view.SetStatusLine(kTaskComplete);

  outcome.sizeText = SizeText(totals.bytes);
  PassReport report;
  if (request.notifyOnFinish) {
    report.byNotification = true;
    report.title = kAppTitle;
    report.text = std::string(kAppTitle) + " Clean is done!" +
                  " Cleaned Registry Keys: " + CountText(totals.registry) +
                  " Released HD Space:" + outcome.sizeText + "MB";
    report.soundFile = environment.programFolder + "\\Sounds\\Message.wav";
  } else {
    report.title = kReportTitle;
    report.text = ReportText(totals.registry, totals.bytes);
  }
  outcome.reportText = report.text;
  view.Report(report);

  if (!request.preview) {
    namespace opt = catalogue::options;
    PassStatistics statistics;
    statistics.lastClean = Inifun::ReadIniValue(settingsFile, opt::kSection, opt::kLastClean);
    statistics.registryCount =
        ReadNumber(Inifun::ReadIniValue(settingsFile, opt::kSection, opt::kRegNum));
    statistics.byteCount =
        ReadNumber(Inifun::ReadIniValue(settingsFile, opt::kSection, opt::kFileSize));
    statistics.sizeText = SizeText(statistics.byteCount);
    view.ShowStatistics(statistics);
  }
  view.ShowMainWindow();
  return outcome;
}

std::string SizeText(double bytes) {
  char buffer[64];
  std::snprintf(buffer, sizeof(buffer), "%.2f", bytes / 1048576.0);
  return buffer;
}

std::string CountText(double value) {
  char buffer[64];
  if (std::fabs(value) < 1e15 && value == std::floor(value)) {
    std::snprintf(buffer, sizeof(buffer), "%.0f", value);
  } else {
    std::snprintf(buffer, sizeof(buffer), "%.15g", value);
  }
  return buffer;
}

std::string ReportText(double registry, double bytes) {
  return std::string(kTaskComplete) + " Cleaned Registry Keys: " + CountText(registry) +
         " Released HD Space:" + SizeText(bytes) + "MB";
}

std::string StatisticsText(double registry, double bytes) {
  return "  Cleaned Registry Keys: " + CountText(registry) +
         "     Released HD Space:" + SizeText(bytes) + "MB";
}

std::string GeneralDateNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char date[128] = {};
  char time[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof(date));
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof(time));
  return std::string(date) + " " + time;
}

std::string ReadDocumentsFolder() {
  const std::optional<std::string> value = regfun::ReadRegString(kUserShellFolders, "Personal");
  if (!value) return {};
  if (*value == regfun::kReadFailed) return *value;
  return Normal::ExpandUserProfile(platform::TrimSpaces(platform::CutAtNul(*value)));
}

}  // namespace engine
