#pragma once
// Shows an analysis run in the result list: the project line, a four-line
// group for each verdict, the AutoScroll selection and the progress labels.

#include <cstdint>
#include <string_view>

#include "engine/run_events.h"
#include "forms/result_list_view.h"

namespace forms {

class ResultListPresenter final : public engine::RunEvents {
 public:
  explicit ResultListPresenter(ResultListView& view) : view_(view) {}

  void runStarted(std::string_view project) override;
  void projectMissing() override;
  void declaringFilesCounted(std::int32_t count) override;
  void codeFileMissing(std::string_view path) override;
  void fileReadStarted(std::string_view path) override;
  void fileSearched(std::string_view path) override;
  void declaringFileStarted(std::int32_t index, std::int32_t count, std::string_view path) override;
  void declarationStarted(std::string_view declaration) override;
  void verdict(const engine::Verdict& verdict) override;
  void lineEndsWarning(std::string_view /*file*/) override {}
  void clockTick(Elapsed elapsed) override;
  void runFinished(Elapsed elapsed) override;
  void runFailed(Elapsed elapsed) override;
  void runStopped() override {}
  bool stopRequested() const override { return view_.stopRequested(); }
  void yield() override { view_.yield(); }

  // A click on AutoScroll; runOn while a run is on, even one yielding now.
  void autoScrollClicked(bool runOn);

 private:
  void showRunTime(Elapsed elapsed);
  void endRun(Elapsed elapsed);

  ResultListView& view_;
  std::int32_t fileCount_ = 0;
  std::int32_t file_ = 0;  // the declaring file being judged, from 1
  // The run-time label is rebuilt only when its text can have changed: the
  // clock ticks far more often than once a second.
  std::int64_t shownSeconds_ = -1;
  std::int32_t shownFile_ = -1;
};

}  // namespace forms
