#include "engine/analyser.h"

#include <string_view>

#include "diagnostics/error_trap.h"
#include "runtime/vb_time.h"
#include "utilities/folder_listing_cache.h"

namespace engine {

namespace {
constexpr std::string_view kObject = "frmScopster";
}  // namespace

void Analyser::mAnalyse(bool& bError) {
  diagnostics::ErrorTrap trap{kObject, "mAnalyse", bError};
  const utilities::FolderListingRun keepFolderListings;
  summary_ = RunSummary{};
  if (!trap.step(1, [&] {
        mvStartTime_ = Clock::now();
        lastYield_ = mvStartTime_;
        shownSeconds_ = -1;
        shownSourceFile_ = -1;
        mnSourceFile_ = 0;
      }))
    return;
  if (!trap.step(2, [&] {
        view_.clearList();
        project_ = view_.sourceText();
        view_.appendLine(project_);
      }))
    return;
  if (!trap.step(3, [&] {
        view_.setRunTimeCaption("Run Time: 00:00:00");
        view_.setProcessingVisible(true);
        view_.repaint();
      }))
    return;
  if (!trap.step(4, [&] {
        files_.clear();
        keys_.clear();
        keyList_.clear();
        index_ = UsageIndex();
        mnSourceFileCount_ = mnGetSourceFiles(bError);
      }))
    return;
  if (mnSourceFileCount_ == 0 || bError) return;
  bool completed = false;
  if (!trap.step(5, [&] { completed = judgeFiles(bError); })) return;
  trap.step(9, [&] { finishRun(completed, bError); });
}

// Every verdict depends on every code file, so a missing one ends the run
// before the first verdict. False when the run ended early.
bool Analyser::judgeFiles(bool& bError) {
  if (findMissingFile(bError)) return false;
  collectFiles();
  if (!readDeclaringFiles(bError) || bError || view_.stopRequested()) return false;
  learnNames();
  if (!scanFiles(bError) || bError || view_.stopRequested()) return false;
  reportVerdicts(bError);
  return !bError && !view_.stopRequested();
}

void Analyser::yieldNow(bool& bError) {
  const Clock::time_point now = Clock::now();
  if (now - lastYield_ < yieldInterval_) return;
  mShowProgress(bError);
  view_.yield();
  lastYield_ = Clock::now();
}

void Analyser::finishRun(bool completed, bool& bError) {
  if (view_.stopRequested()) return;
  if (completed) mnSourceFile_ = mnSourceFileCount_;
  mShowProgress(bError);
  view_.setProcessingVisible(false);
  view_.setPublicCaption("");
  view_.setSearchFileCaption("");
  view_.setSourceFileCaption("");
}

void Analyser::mShowProgress(bool& bError) {
  diagnostics::ErrorTrap trap{kObject, "mShowProgress", bError};
  if (view_.stopRequested()) return;
  trap.step(1, [&] {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - mvStartTime_);
    const std::int64_t seconds = elapsed.count() / 1000;
    if (seconds == shownSeconds_ && mnSourceFile_ == shownSourceFile_) return;
    view_.setRunTimeCaption("Run Time: " + vb::formatElapsed(elapsed) + "  File: " +
                            std::to_string(mnSourceFile_) + "/" + std::to_string(mnSourceFileCount_));
    shownSeconds_ = seconds;
    shownSourceFile_ = mnSourceFile_;
  });
}

}  // namespace engine
