#include <gtest/gtest.h>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using engine_test::crlf;

// Every change each way of ending a run makes to the list and the labels, in
// order; without yields, so that the clock shows only what the run itself shows.
TEST(AnalysisRunTest, EachEndShowsItsLinesAndLabelsInOrder) {
  test_support::ScriptedErrorHandler handler;
  engine_test::ProjectFixture p;
  const std::string a = p.write("a.bas", crlf({"Public Sub OnlyA()", "End Sub"}));
  const std::string c = p.write("c.cls", crlf({"Public Sub InClass()", "End Sub"}));
  const std::string b = p.path("b.bas");
  const std::string gone = p.write("Gone.vbp", crlf({"Module=a; a.bas", "Module=b; b.bas", "Class=c; c.cls"}));
  const std::string twice = p.write("P.vbp", crlf({"Module=a; a.bas", "Class=c; c.cls", "Module=a; a.bas"}));
  const std::vector<std::string> start{"runTime Run Time: 00:00:00", "processing shown", "repaint "};
  const std::vector<std::string> end{"processing hidden", "public ", "search ", "source "};
  struct Case {
    std::string project;
    std::vector<std::string> shown;  // after the project line and the start
    bool bError;
  };
  const Case cases[] = {
      // Processing stays: a run that never counted its files does not end.
      {"", {"line File does not exist"}, false},
      {"/nonexistent/x.vbp", {"line File does not exist"}, false},
      // Every verdict depends on every code file.
      {gone, {"line Can't find file '" + b + "'", "runTime Run Time: 00:00:00  File: 0/2"}, true},
      // A file listed twice is judged once.
      {twice,
       {"source " + a, "search " + a, "search " + c, "source " + a, "public Public Sub OnlyA()", "line     " + a,
        "line         Public Sub OnlyA()", "line         Unused", "line ", "runTime Run Time: 00:00:00  File: 1/2",
        "source " + a, "runTime Run Time: 00:00:00  File: 2/2"},
       false},
  };
  for (const Case& k : cases) {
    engine_test::AnalysisRun run(k.project, std::chrono::hours(1));
    run.go();
    std::vector<std::string> expected{"clear ", "line " + k.project};
    expected.insert(expected.end(), start.begin(), start.end());
    expected.insert(expected.end(), k.shown.begin(), k.shown.end());
    if (k.shown.back().starts_with("runTime")) expected.insert(expected.end(), end.begin(), end.end());
    EXPECT_EQ(run.view.log, expected) << k.project;
    EXPECT_EQ(run.bError, k.bError) << k.project;
    EXPECT_EQ(run.analyser.lastRun().projectMissing, !k.shown.back().starts_with("runTime")) << k.project;
  }
  EXPECT_EQ(handler.boxCount(), 0u);
}

}  // namespace
