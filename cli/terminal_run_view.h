#pragma once
// The run's window, as a terminal has it: the list and the verdicts are kept
// for the report at the end; labels feed the progress line; a stop comes from
// Ctrl+C.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "cli/progress_line.h"
#include "cli/report_path.h"
#include "cli/scan_report.h"
#include "engine/run_view.h"

namespace cli {

class TerminalRunView : public engine::RunView {
 public:
  explicit TerminalRunView(std::string source, const std::atomic<bool>* stop = nullptr,
                           ProgressLine* progress = nullptr)
      : source_(std::move(source)), stop_(stop), progress_(progress) {}

  std::string sourceText() const override { return source_; }
  void clearList() override { lines_.clear(); }
  void appendLine(std::string_view line) override { lines_.emplace_back(line); }
  std::int32_t listCount() const override { return static_cast<std::int32_t>(lines_.size()); }
  void setListIndex(std::int32_t) override {}
  std::int16_t autoScrollValue() const override { return 0; }
  void setRunTimeCaption(std::string_view caption) override { runTime_ = caption; }
  std::string runTimeCaption() const override { return runTime_; }
  void setProcessingVisible(bool) override {}
  void setSourceFileCaption(std::string_view caption) override {
    sourceFile_ = caption;
    showProgress();
  }
  void setPublicCaption(std::string_view) override {}
  void setSearchFileCaption(std::string_view) override {}
  void repaint() override {}
  void yield() override { showProgress(); }
  bool stopRequested() const override { return stop_ != nullptr && stop_->load(); }

  void reportVerdict(const engine::Verdict& verdict) override {
    const std::filesystem::path opened =
        namesNoFileHere(verdict.sourceFile) ? reportPath(verdict.sourceFile) : verdict.openedFile;
    verdicts_.push_back({std::string(verdict.sourceFile), opened, verdict.line, std::string(verdict.declaration),
                         verdict.names, verdict.usedInOwnFile});
  }
  void warnLineEnds(std::string_view file) override {
    if (onLineEndsWarning_) onLineEndsWarning_(file);
  }
  void onLineEndsWarning(std::function<void(std::string_view)> warn) { onLineEndsWarning_ = std::move(warn); }

  const std::vector<std::string>& lines() const { return lines_; }
  std::vector<VerdictRecord>& verdicts() { return verdicts_; }

 private:
  void showProgress() {
    if (progress_ != nullptr && !sourceFile_.empty()) progress_->update(runTime_ + "  " + sourceFile_);
  }

  std::string source_;
  const std::atomic<bool>* stop_;
  ProgressLine* progress_;
  std::vector<std::string> lines_;
  std::string runTime_;
  std::string sourceFile_;
  std::vector<VerdictRecord> verdicts_;
  std::function<void(std::string_view)> onLineEndsWarning_;
};

}  // namespace cli
