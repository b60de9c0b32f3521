#pragma once
// A run drawn by the real presenter on a list view that records what it is
// shown, with the verdicts and warnings kept as the run reports them; Stop
// can be pressed from a yield.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "engine/analyser.h"
#include "engine/run_events.h"
#include "forms/result_list_presenter.h"
#include "forms/result_list_view.h"
#include "utilities/vb_path.h"

namespace engine_test {

// A verdict with its texts copied, since the run's views do not outlive the call.
struct RecordedVerdict {
  std::string project, sourceFile, openedFile;
  std::int32_t line = 0;
  std::string declaration;
  std::vector<std::string> names;
  bool usedInOwnFile = false;
  bool operator==(const RecordedVerdict&) const = default;
};

class RecordingRunView : public forms::ResultListView {
 public:
  std::vector<std::string> log;  // every change, in order, as "what value"
  std::vector<std::string> list;
  std::int16_t autoScroll = 0;
  std::string runTime, sourceFile, publicDecl, searchFile;
  bool processingVisible = false;
  bool stop = false;
  int repaints = 0;
  int yields = 0;
  std::function<void(RecordingRunView&)> onYield;
  std::vector<RecordedVerdict> verdicts;
  std::vector<std::string> lineEndWarnings;

  void clearList() override { note("clear", ""); list.clear(); }
  void appendLine(std::string_view line) override { note("line", line); list.emplace_back(line); }
  std::int32_t listCount() const override { return static_cast<std::int32_t>(list.size()); }
  void setListIndex(std::int32_t index) override { note("select", std::to_string(index)); }
  std::int16_t autoScrollValue() const override { return autoScroll; }
  void setRunTimeCaption(std::string_view caption) override { note("runTime", runTime = caption); }
  void setProcessingVisible(bool visible) override {
    processingVisible = visible;
    note("processing", visible ? "shown" : "hidden");
  }
  void setSourceFileCaption(std::string_view caption) override { note("source", sourceFile = caption); }
  void setPublicCaption(std::string_view caption) override { note("public", publicDecl = caption); }
  void setSearchFileCaption(std::string_view caption) override { note("search", searchFile = caption); }
  void repaint() override { note("repaint", ""); ++repaints; }
  void yield() override {
    ++yields;
    if (onYield) onYield(*this);
  }
  bool stopRequested() const override { return stop; }

 private:
  void note(std::string_view what, std::string_view value) {
    log.push_back(std::string(what) + " " + std::string(value));
  }
};

// The presenter's events, with the verdicts and warnings also kept in the view.
class RecordingRunEvents : public engine::RunEventsRelay {
 public:
  explicit RecordingRunEvents(RecordingRunView& view) : RunEventsRelay(presenter_), view_(view), presenter_(view) {}

  void verdict(const engine::Verdict& v) override {
    view_.verdicts.push_back({std::string(v.project), std::string(v.sourceFile), v.openedFile.string(), v.line,
                              std::string(v.declaration), {v.names.begin(), v.names.end()}, v.usedInOwnFile});
    RunEventsRelay::verdict(v);
  }
  void lineEndsWarning(std::string_view file) override { view_.lineEndWarnings.emplace_back(file); }

 private:
  RecordingRunView& view_;
  forms::ResultListPresenter presenter_;
};

// One analysis on a fresh recording view: set the view up, then go().
struct AnalysisRun {
  RecordingRunView view;
  RecordingRunEvents events{view};
  engine::Analyser analyser;
  bool bError = false;

  explicit AnalysisRun(std::string project,
                       std::chrono::milliseconds yieldInterval = engine::Analyser::kDefaultYieldInterval)
      : analyser(events, yieldInterval) {
    analyser.setProject(utilities::pathFromText(project));
  }
  void go() { analyser.mAnalyse(bError); }
};

}  // namespace engine_test
