// CleanNow: one cleaning pass. It walks every track in the fixed order of the
// sections, erases the selected ones, keeps the two totals, records them in the
// settings file and reports them through its view.
//
// A pass never throws and never stops early: a failing step is skipped and the
// next one runs, and every selected track ends "Done". A request to start a
// pass while one is running (a timer or menu reached through the message pump
// during a pass) is ignored.
#pragma once

#include <string>
#include <vector>

#include "engine/pass_types.h"
#include "engine/pass_view.h"

namespace engine {

inline constexpr const char* kTaskComplete = "Task complete Successfully!";
inline constexpr const char* kReportTitle = "Task Complete";
inline constexpr const char* kDone = "Done";

struct PassRequest {
  // Report by notification (tray, schedule, start-up) instead of a message box.
  bool notifyOnFinish = false;
  // Change nothing, not even the statistics; report every item to `sink`.
  bool preview = false;
  allerase::EraseSink* sink = nullptr;
};

struct PassOutcome {
  bool ran = false;     // false when a pass was already running
  bool exited = false;  // the option "Exit after cleaning" ended the program
  PassTotals totals;
  std::string sizeText;
  std::string reportText;
};

PassOutcome CleanNow(const PassEnvironment& environment, PassView& view,
                     const PassRequest& request = {});

bool IsPassRunning();

// One step of the pass plan: a track (or an unconditional step) with its
// section's place in the order.
struct PlannedTrack {
  const TrackRow* row;  // the family's row, or nullptr for a catalogue fallback
  const char* section;
  const char* key;
  const char* caption;
  int progress;
};

// Every track of a pass in the order it runs, tracks of sections without a
// family table taken from the catalogue.
std::vector<PlannedTrack> PassPlan();

// Formatting shared with the main window's statistics panel.
std::string SizeText(double bytes);                         // bytes in MB with two decimals, "0.00"
std::string CountText(double value);                        // at most 15 significant digits
std::string ReportText(double registry, double bytes);      // the message box's prompt
std::string StatisticsText(double registry, double bytes);  // the panel's Label14
std::string GeneralDateNow();                               // short date and long time

// The documents folder as the tracks read it afresh: the user shell folder
// "Personal", trimmed and expanded; the failure text when it cannot be read.
std::string ReadDocumentsFolder();

}  // namespace engine
