// A PassView that records what a pass shows, for tests that run passes
// without a window.
#pragma once

#include <string>
#include <vector>

#include "engine/pass_view.h"

namespace testing_support {

class RecordingView : public engine::PassView {
 public:
  struct Row {
    std::string caption;
    std::string status;
  };

  void BeginPass() override { ++beginCount; }
  void ClearRows() override { rows.clear(); }
  void AddRow(const std::string& caption, const std::string& status) override {
    rows.push_back({caption, status});
  }
  void SetRowStatus(const std::string& status) override {
    if (!rows.empty()) rows.back().status = status;
  }
  void SetProgress(int value) override { progress.push_back(value); }
  void SetStatusLine(const std::string& text) override { statusLine = text; }
  void EndPass() override { ++endCount; }
  void Report(const engine::PassReport& report) override { reports.push_back(report); }
  void ShowStatistics(const engine::PassStatistics& shown) override { statistics.push_back(shown); }
  void ShowMainWindow() override { ++shownCount; }
  void ExitProgram() override { ++exitCount; }

  // The row of a caption, or nullptr.
  const Row* FindRow(const std::string& caption) const {
    for (const Row& row : rows) {
      if (row.caption == caption) return &row;
    }
    return nullptr;
  }

  std::vector<Row> rows;
  std::vector<int> progress;
  std::string statusLine;
  std::vector<engine::PassReport> reports;
  std::vector<engine::PassStatistics> statistics;
  int beginCount = 0;
  int endCount = 0;
  int shownCount = 0;
  int exitCount = 0;
};

}  // namespace testing_support
