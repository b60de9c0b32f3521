#pragma once
// One run's events as a terminal has them: the result list drawn as the
// window draws it, for the text report; the verdicts and warnings kept for
// the other reports; the source-file label feeding the progress line; a stop
// from Ctrl+C.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "cli/progress_line.h"
#include "cli/scan_report.h"
#include "engine/run_events.h"
#include "forms/result_list_presenter.h"
#include "forms/result_list_view.h"

namespace cli {

class TerminalListView : public forms::ResultListView {
 public:
  TerminalListView(const std::atomic<bool>* stop, ProgressLine* progress) : stop_(stop), progress_(progress) {}

  void clearList() override { lines_.clear(); }
  void appendLine(std::string_view line) override { lines_.emplace_back(line); }
  std::int32_t listCount() const override { return static_cast<std::int32_t>(lines_.size()); }
  void setListIndex(std::int32_t) override {}
  std::int16_t autoScrollValue() const override { return 0; }
  void setRunTimeCaption(std::string_view caption) override { runTime_ = caption; }
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

  std::vector<std::string>& lines() { return lines_; }
  const std::string& runTimeCaption() const { return runTime_; }

 private:
  void showProgress() {
    if (progress_ != nullptr && !sourceFile_.empty()) progress_->update(runTime_ + "  " + sourceFile_);
  }

  const std::atomic<bool>* stop_;
  ProgressLine* progress_;
  std::vector<std::string> lines_;
  std::string runTime_;
  std::string sourceFile_;
};

// The list the events are drawn on, built before the relay that feeds it.
struct TerminalList {
  TerminalList(const std::atomic<bool>* stop, ProgressLine* progress) : view(stop, progress) {}
  TerminalListView view;
  forms::ResultListPresenter presenter{view};
};

class TerminalRunEvents : private TerminalList, public engine::RunEventsRelay {
 public:
  explicit TerminalRunEvents(const std::atomic<bool>* stop = nullptr, ProgressLine* progress = nullptr)
      : TerminalList(stop, progress), RunEventsRelay(presenter) {}

  void verdict(const engine::Verdict& verdict) override {
    RunEventsRelay::verdict(verdict);
    verdicts_.push_back({std::string(verdict.sourceFile), verdict.openedFile, verdict.line,
                         std::string(verdict.declaration), {verdict.names.begin(), verdict.names.end()},
                         verdict.usedInOwnFile});
  }
  void lineEndsWarning(std::string_view file) override {
    RunEventsRelay::lineEndsWarning(file);
    if (onLineEndsWarning_) onLineEndsWarning_(file);
  }
  void onLineEndsWarning(std::function<void(std::string_view)> warn) { onLineEndsWarning_ = std::move(warn); }

  TerminalListView& list() { return view; }
  std::vector<VerdictRecord>& verdicts() { return verdicts_; }

 private:
  std::vector<VerdictRecord> verdicts_;
  std::function<void(std::string_view)> onLineEndsWarning_;
};

}  // namespace cli
