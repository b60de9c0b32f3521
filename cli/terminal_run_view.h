#pragma once
// The run's window, as a terminal has it: the list is kept and printed at the
// end; labels are kept for the final report; a stop comes from Ctrl+C.

#include <atomic>
#include <string>
#include <vector>

#include "engine/run_view.h"

namespace cli {

class TerminalRunView : public engine::RunView {
 public:
  explicit TerminalRunView(std::string source, const std::atomic<bool>* stop = nullptr)
      : source_(std::move(source)), stop_(stop) {}

  std::string sourceText() const override { return source_; }
  void clearList() override { lines_.clear(); }
  void appendLine(std::string_view line) override { lines_.emplace_back(line); }
  std::int32_t listCount() const override { return static_cast<std::int32_t>(lines_.size()); }
  void setListIndex(std::int32_t) override {}
  std::int16_t autoScrollValue() const override { return 0; }
  void setRunTimeCaption(std::string_view caption) override { runTime_ = caption; }
  std::string runTimeCaption() const override { return runTime_; }
  void setProcessingVisible(bool) override {}
  void setSourceFileCaption(std::string_view) override {}
  void setPublicCaption(std::string_view) override {}
  void setSearchFileCaption(std::string_view) override {}
  void repaint() override {}
  void yield() override {}
  bool stopRequested() const override { return stop_ != nullptr && stop_->load(); }

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::string source_;
  const std::atomic<bool>* stop_;
  std::vector<std::string> lines_;
  std::string runTime_;
};

}  // namespace cli
