#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/result_list_presenter.h"
#include "tests/engine/recording_run_view.h"

namespace {

using Elapsed = engine::RunEvents::Elapsed;
using Presenter = forms::ResultListPresenter;

engine::Verdict verdictOf(std::string_view declaration, bool usedInOwnFile) {
  engine::Verdict verdict;
  verdict.sourceFile = "C:\\p\\a.bas";
  verdict.declaration = declaration;
  verdict.usedInOwnFile = usedInOwnFile;
  return verdict;
}

const std::vector<std::string> kGroupA{"line     C:\\p\\a.bas", "line         Public A", "line         Unused",
                                       "line "};

struct Case {
  const char* what;
  std::int16_t autoScroll;
  bool stop;
  std::function<void(Presenter&)> events;  // after runStarted("P.vbp")
  std::vector<std::string> shown;          // after the start's own five
};

const std::vector<Case> kCases = {
    {"AutoScroll shows the end, then the declaration; ticked, the newest only during a run", 1, false,
     [](Presenter& p) {
       p.verdict(verdictOf("Public A", false));
       p.autoScrollClicked(true);
       p.autoScrollClicked(false);
     },
     {kGroupA[0], kGroupA[1], kGroupA[2], kGroupA[3], "select 4", "select 2", "select 3"}},
    {"a greyed AutoScroll moves nothing", 2, false,
     [](Presenter& p) {
       p.verdict(verdictOf("Public A", false));
       p.autoScrollClicked(true);
     },
     kGroupA},
    {"the caption changes with the second or the file", 0, false,
     [](Presenter& p) {
       p.declaringFilesCounted(3);
       p.fileReadStarted("a.bas");
       p.clockTick(Elapsed(0));
       p.fileSearched("b.cls");
       p.clockTick(Elapsed(999));
       p.clockTick(Elapsed(1000));
       p.declaringFileStarted(1, 3, "a.bas");
       p.declarationStarted("Public A");
       p.clockTick(Elapsed(1500));
     },
     {"source a.bas", "runTime Run Time: 00:00:00  File: 0/3", "search b.cls", "runTime Run Time: 00:00:01  File: 0/3",
      "source a.bas", "public Public A", "runTime Run Time: 00:00:01  File: 1/3"}},
    {"after Stop the reading labels and the clock stay; AutoScroll selects no line of a list without a group", 1, true,
     [](Presenter& p) {
       p.autoScrollClicked(true);
       p.declaringFilesCounted(2);
       p.fileReadStarted("a.bas");
       p.fileSearched("a.bas");
       p.clockTick(Elapsed(5000));
       p.runStopped();
     },
     {"select -1"}},
    {"a new run shows its caption afresh", 0, false,
     [](Presenter& p) {
       p.declaringFilesCounted(1);
       p.clockTick(Elapsed(0));
       p.runStarted("Q.vbp");
       p.declaringFilesCounted(1);
       p.clockTick(Elapsed(0));
     },
     {"runTime Run Time: 00:00:00  File: 0/1", "clear ", "line Q.vbp", "runTime Run Time: 00:00:00", "processing shown",
      "repaint ", "runTime Run Time: 00:00:00  File: 0/1"}},
};

TEST(ResultListPresenterTest, EventsBecomeListLinesAndLabelsInOrder) {
  for (const Case& c : kCases) {
    engine_test::RecordingRunView view;
    view.autoScroll = c.autoScroll;
    Presenter presenter(view);
    presenter.runStarted("P.vbp");
    view.stop = c.stop;
    c.events(presenter);
    std::vector<std::string> expected{"clear ", "line P.vbp", "runTime Run Time: 00:00:00", "processing shown",
                                      "repaint "};
    expected.insert(expected.end(), c.shown.begin(), c.shown.end());
    EXPECT_EQ(view.log, expected) << c.what;
  }
}

}  // namespace
