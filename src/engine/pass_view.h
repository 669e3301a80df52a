// What a cleaning pass needs from the window it runs in. The main window, the
// console program and the tests each implement it; the pass never sees a
// window handle of its own.
#pragma once

#include <string>

namespace engine {

struct PassReport {
  bool byNotification = false;  // a pop-up notification instead of a message box
  std::string title;            // "Task Complete" (message box) or "Murvane"
  std::string text;             // the prompt or the notification's description
  std::string soundFile;        // for the notification
};

struct PassStatistics {
  std::string lastClean;  // as read back from the settings file
  double registryCount = 0;
  double byteCount = 0;
  std::string sizeText;  // byteCount in MB, "0.00"
};

class PassView {
 public:
  virtual ~PassView() = default;

  // The pass starts: show the status panel instead of the welcome panel, the
  // hourglass, and disable the start button. Clearing rows, progress and the
  // status line come as separate calls.
  virtual void BeginPass() {}
  virtual void ClearRows() = 0;
  // Adds a row and makes it the current row; `status` is its second column
  // ("" for none). The view scrolls to the new row.
  virtual void AddRow(const std::string& caption, const std::string& status) = 0;
  virtual void SetRowStatus(const std::string& status) = 0;
  virtual void SetProgress(int value) = 0;
  virtual void SetStatusLine(const std::string& text) = 0;
  // Lets pending window messages run.
  virtual void Pump() {}
  // The pass has reached its end: enable the start button again, default
  // pointer.
  virtual void EndPass() {}
  virtual void Report(const PassReport& report) = 0;
  virtual void ShowStatistics(const PassStatistics& statistics) { (void)statistics; }
  virtual void ShowMainWindow() {}
  // The option "Exit after cleaning": end the program now.
  virtual void ExitProgram() {}
};

}  // namespace engine
