#include "engine/analyser.h"

#include <string_view>

#include "diagnostics/error_trap.h"
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
        mnSourceFile_ = 0;
      }))
    return;
  if (!trap.step(2, [&] { events_.runStarted(projectText_); })) return;
  if (!trap.step(4, [&] {
        files_.clear();
        keys_.clear();
        keyList_.clear();
        index_ = UsageIndex();
        mnSourceFileCount_ = mnGetSourceFiles(bError);
      }))
    return;
  if (mnSourceFileCount_ == 0 || bError) return;
  events_.declaringFilesCounted(mnSourceFileCount_);
  bool completed = false;
  if (!trap.step(5, [&] { completed = judgeFiles(bError); })) return;
  trap.step(9, [&] { finishRun(completed); });
}

// Every verdict depends on every code file, so a missing one ends the run
// before the first verdict. False when the run ended early.
bool Analyser::judgeFiles(bool& bError) {
  if (findMissingFile(bError)) return false;
  collectFiles();
  if (!readDeclaringFiles(bError) || bError || events_.stopRequested()) return false;
  learnNames();
  if (!scanFiles(bError) || bError || events_.stopRequested()) return false;
  reportVerdicts(bError);
  return !bError && !events_.stopRequested();
}

void Analyser::yieldNow(bool& bError) {
  const Clock::time_point now = Clock::now();
  if (now - lastYield_ < yieldInterval_) return;
  mShowProgress(bError);
  events_.yield();
  lastYield_ = Clock::now();
}

void Analyser::finishRun(bool completed) {
  if (events_.stopRequested()) {
    events_.runStopped();
    return;
  }
  if (completed) {
    mnSourceFile_ = mnSourceFileCount_;
    events_.runFinished(elapsed());
  } else {
    events_.runFailed(elapsed());
  }
}

RunEvents::Elapsed Analyser::elapsed() const {
  return std::chrono::duration_cast<RunEvents::Elapsed>(Clock::now() - mvStartTime_);
}

void Analyser::mShowProgress(bool& bError) {
  diagnostics::ErrorTrap trap{kObject, "mShowProgress", bError};
  trap.step(1, [&] { events_.clockTick(elapsed()); });
}

}  // namespace engine
