// A cleaning pass in a console: the view the console program gives the pass.
//
// Cleaning prints each status row when its track ends (the caption, a tab and
// the row's second column), then the report exactly as the message box shows
// it. With "Exit after cleaning" set the pass ends after the plug-ins and
// nothing more is printed, as the window ends then too.
//
// Preview prints every selected track's caption and, under it, each item the
// track would erase or action it would take, indented; then the totals in the
// words of the report. Nothing changes on disk or in the registry, and the
// statistics are not written.
//
// Texts are printed as the program holds them (8-bit ANSI); paths of items
// are converted from the file system's wide names.
#pragma once

#include <ostream>
#include <string>

#include "engine/pass_view.h"
#include "primitives/allerase.h"

namespace engine {

class ConsolePass : public PassView, public allerase::EraseSink {
 public:
  ConsolePass(std::ostream& out, bool preview);

  void ClearRows() override {}
  void AddRow(const std::string& caption, const std::string& status) override;
  void SetRowStatus(const std::string& status) override;
  void SetProgress(int) override {}
  void SetStatusLine(const std::string&) override {}
  void Report(const PassReport& report) override;
  void ExitProgram() override;

  void OnItem(const allerase::ErasedItem& item) override;

  bool exited() const { return exited_; }

 private:
  void FinishRow();

  std::ostream& out_;
  bool preview_;
  bool rowOpen_ = false;
  std::string caption_;
  std::string status_;
  bool exited_ = false;
};

// One pass, or one preview, over the settings of `programFolder`, printed to
// `out`. Returns the console program's exit code (0).
int RunConsolePass(const std::string& programFolder, std::ostream& out, bool preview);

// How an item is printed under its track in preview, without the indent.
std::string PreviewItemText(const allerase::ErasedItem& item);

}  // namespace engine
