#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using engine_test::crlf;
using engine_test::ProjectFixture;
using engine_test::RecordingRunView;

std::filesystem::path sampleProject() {
  return std::filesystem::path(SCOPSTER_SOURCE_DIR) / "examples" / "Sample" / "Sample.vbp";
}

struct ProjectRun {
  RecordingRunView view;
  bool bError = false;
  std::unique_ptr<engine::Analyser> analyser;

  explicit ProjectRun(std::string project, std::int16_t autoScroll = 0) {
    view.source = std::move(project);
    view.autoScroll = autoScroll;
    analyser = std::make_unique<engine::Analyser>(view);
  }
  void go() { analyser->mAnalyse(bError); }
};

TEST(AnalysisRunTest, SampleProjectGivesBothVerdictsInProjectOrder) {
  test_support::ScriptedErrorHandler handler;
  const std::string project = sampleProject().string();
  const std::string folder = project.substr(0, project.size() - std::string("Sample.vbp").size());
  ProjectRun run(project);
  run.go();
  const std::vector<std::string> expected = {
      project,
      "    " + folder + "frmMain.frm", "        Public Sub RefreshView()", "        Unused", "",
      "    " + folder + "modUtil.bas", "        Public gnCounter As Long", "        Private", "",
      "    " + folder + "modUtil.bas", "        Public Sub ShowTotals()", "        Unused", "",
      "    " + folder + "modUtil.bas", "        Public Function Factorial(ByVal n As Long) As Long",
      "        Unused", "",
      "    " + folder + "modUtil.bas", "        Public Sub ResetCounter()", "        Private", "",
  };
  EXPECT_EQ(run.view.list, expected);
  EXPECT_FALSE(run.bError);
  EXPECT_EQ(handler.boxCount(), 0u);
  EXPECT_EQ(run.analyser->lastRun().reported, 5);
  // A completed run: final progress, labels emptied, "Processing:" hidden.
  EXPECT_EQ(run.view.runTime, "Run Time: 00:00:00  File: 3/3");
  EXPECT_FALSE(run.view.processingVisible);
  EXPECT_EQ(run.view.sourceFile + run.view.publicDecl + run.view.searchFile, "");
  EXPECT_EQ(run.view.repaints, 1);
}

TEST(AnalysisRunTest, MissingProjectOrEmptySourceEndsWithOneMessage) {
  test_support::ScriptedErrorHandler handler;
  for (const std::string& project : {std::string(""), std::string("/nonexistent/x.vbp")}) {
    ProjectRun run(project);
    run.view.runTime = "old";
    run.go();
    EXPECT_EQ(run.view.list, (std::vector<std::string>{project, "File does not exist"}));
    EXPECT_FALSE(run.bError);
    EXPECT_TRUE(run.analyser->lastRun().projectMissing);
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
  ProjectRun run(project);
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
  ProjectRun run(project);
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
}

TEST(AnalysisRunTest, SingleFileProjectReportsEveryDeclaration) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  p.write("only.bas", crlf({"Public A1 As Long", "Public B1 As Long", "Sub X()", "    B1 = 1", "End Sub"}));
  ProjectRun run(p.write("P.vbp", crlf({"Module=only; only.bas"})));
  run.go();
  ASSERT_EQ(run.view.list.size(), 9u);
  EXPECT_EQ(run.view.list[3], "        Unused");
  EXPECT_EQ(run.view.list[7], "        Private");
}

TEST(AnalysisRunTest, AutoScrollSelectsEachNewDeclarationLine) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  p.write("only.bas", crlf({"Public A1 As Long", "Public B1 As Long"}));
  const std::string project = p.write("P.vbp", crlf({"Module=only; only.bas"}));
  for (const std::int16_t value : {0, 1, 2}) {
    ProjectRun run(project, value);
    run.go();
    const std::vector<std::int32_t> expected =
        value == 1 ? std::vector<std::int32_t>{4, 2, 8, 6} : std::vector<std::int32_t>{};
    EXPECT_EQ(run.view.selections, expected) << value;
  }
}

TEST(AnalysisRunTest, StopKeepsGroupsAndLabelsOfTheMoment) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  std::string many;
  for (int i = 0; i < 50; ++i) many += "Public Unused" + std::to_string(i) + "_ As Long\r\n";
  p.write("a.bas", many);
  p.write("b.bas", "' nothing\r\n");
  ProjectRun run(p.write("P.vbp", crlf({"Module=a; a.bas", "Module=b; b.bas"})));
  run.analyser = std::make_unique<engine::Analyser>(run.view, std::chrono::milliseconds(0));
  std::string labelWhenStopped;
  run.view.onYield = [&](RecordingRunView& v) {
    if (v.list.size() == 1 + 3 * 4 && !v.stop) {
      v.stop = true;
      labelWhenStopped = v.publicDecl;
    }
  };
  run.go();
  // The search under way when Stop came finishes; no further group is added.
  EXPECT_EQ(run.view.list.size(), 1u + 3 * 4);
  EXPECT_EQ(run.view.publicDecl, labelWhenStopped);
  EXPECT_EQ(labelWhenStopped, "Public Unused3_ As Long");
  EXPECT_TRUE(run.view.processingVisible);
  EXPECT_FALSE(run.bError);
  EXPECT_EQ(run.analyser->mnSourceFile(), 1);
}

}  // namespace
