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

TEST(AnalysisRunTest, MissingSourceFileStopsTheRunAfterItsMessage) {
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
  const std::vector<std::string> expected = {project,
                                             "    " + folder + "a.bas",
                                             "        Public Sub OnlyA()",
                                             "        Unused",
                                             "",
                                             "Can't find file '" + folder + "b.bas'"};
  EXPECT_EQ(run.view.list, expected);
  EXPECT_TRUE(run.bError);
  EXPECT_EQ(run.view.runTime, "Run Time: 00:00:00  File: 2/3");
  EXPECT_FALSE(run.view.processingVisible);
}

TEST(AnalysisRunTest, UsageRulesAcrossFiles) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  p.write("decl.bas", crlf({
                          "Public Sub InLiteral()", "End Sub",
                          "Public Sub InComment()", "End Sub",
                          "Public Sub Init()", "End Sub",              // InitAll in another file uses it
                          "Public Sub OnlyInDotLine()", "End Sub",     // a ".x" line is dropped by the reader
                          "Public Sub Recursive()", "    Recursive", "End Sub",
                          "Public gnShared As Long",                     // declared in two files
                          "Public mnLocal As Long",
                          "Private Sub UseLocal()", "    mnLocal = 1", "End Sub",
                          "Public Function SubTotal() As Long",        // "Sub" in the name: skips to End Sub
                          "End Function",
                          "Private Sub Later()", "    SubTotal", "End Sub",
                      }));
  p.write("other.frm", crlf({"VERSION 5.00", "Begin VB.Form frmOther", "End",
                             "    MsgBox \"InLiteral\"", "    x = 1 ' InComment", "    InitAll",
                             ".OnlyInDotLine", "Public gnShared As Long"}));
  const std::string project = p.write("P.vbp", crlf({"Module=decl; decl.bas", "Form=other.frm"}));
  AnalysisRun run(project);
  run.go();
  std::vector<std::string> verdicts;
  for (std::size_t i = 2; i < run.view.list.size(); i += 4)
    verdicts.push_back(run.view.list[i] + " ->" + run.view.list[i + 1].substr(7));
  const std::vector<std::string> expected = {
      "        Public Sub InLiteral() -> Unused",
      "        Public Sub InComment() -> Unused",
      "        Public Sub OnlyInDotLine() -> Unused",
      "        Public Sub Recursive() -> Unused",
      "        Public mnLocal As Long -> Private",
      "        Public Function SubTotal() As Long -> Unused",  // its only use lies before the next End Sub
  };
  EXPECT_EQ(verdicts, expected);
  EXPECT_EQ(run.view.repaints, 1);  // a completed run repaints once at its end
}

}  // namespace
