#include <gtest/gtest.h>


#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using engine_test::crlf;
using engine_test::ProjectFixture;
using engine_test::AnalysisRun;

TEST(AnalysisRunTest, MissingProjectOrEmptySourceEndsWithOneMessage) {
  test_support::ScriptedErrorHandler handler;
  for (const std::string& project : {std::string(""), std::string("/nonexistent/x.vbp")}) {
    AnalysisRun run(project);
    run.view.runTime = "old";
    run.go();
    EXPECT_EQ(run.view.list, (std::vector<std::string>{project, "File does not exist"}));
    EXPECT_FALSE(run.bError);
    EXPECT_TRUE(run.analyser.lastRun().projectMissing);
    EXPECT_TRUE(run.view.processingVisible);  // step 8 is not reached
    EXPECT_EQ(run.view.runTime, "Run Time: 00:00:00");
  }
  EXPECT_EQ(handler.boxCount(), 0u);
}

TEST(AnalysisRunTest, MissingSourceFileEndsTheRunBeforeAnyVerdict) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  p.write("a.bas", crlf({"Public Sub OnlyA()", "End Sub"}));
  p.write("c.bas", crlf({"Public Sub OnlyC()", "End Sub"}));
  const std::string project =
      p.write("P.vbp", crlf({"Module=a; a.bas", "Module=b; b.bas", "Module=c; c.bas"}));
  AnalysisRun run(project);
  run.go();
  // The project's folder as the run cuts it, at its last "\" or "/".
  const std::string folder = project.substr(0, project.find_last_of("\\/") + 1);
  EXPECT_EQ(run.view.list, (std::vector<std::string>{project, "Can't find file '" + folder + "b.bas'"}));
  EXPECT_TRUE(run.bError);
  EXPECT_EQ(run.view.runTime, "Run Time: 00:00:00  File: 0/3");
  EXPECT_FALSE(run.view.processingVisible);
}

TEST(AnalysisRunTest, CompletedRunShowsItsCountAndClearsTheLabels) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  p.write("a.bas", crlf({"Public Sub OnlyA()", "End Sub"}));
  p.write("c.cls", crlf({"Public Sub InClass()", "End Sub"}));
  AnalysisRun run(p.write("P.vbp", crlf({"Module=a; a.bas", "Class=c; c.cls", "Module=a; a.bas"})));
  run.go();
  EXPECT_EQ(run.view.list.size(), 5u);  // a file listed twice is judged once
  EXPECT_EQ(run.view.runTime, "Run Time: 00:00:00  File: 2/2");
  EXPECT_FALSE(run.view.processingVisible);
  EXPECT_EQ(run.view.sourceFile + run.view.publicDecl + run.view.searchFile, "");
  EXPECT_EQ(run.view.repaints, 1);  // a completed run repaints once, at its start
}

}  // namespace
