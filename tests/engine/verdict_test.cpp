#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using engine_test::ProjectFixture;
using engine_test::RecordedVerdict;
using engine_test::RecordingRunView;

struct VerdictRun {
  RecordingRunView view;
  bool bError = false;

  VerdictRun(const std::string& project, utilities::LineEnds ends = utilities::LineEnds::Crlf) {
    view.source = project;
    engine::Analyser analyser(view);
    analyser.setLineEnds(ends);
    analyser.mAnalyse(bError);
  }
};

std::string withLfOnly(std::string text) {
  std::string out;
  for (const char c : text)
    if (c != '\r') out += c;
  return out;
}

TEST(VerdictTest, SampleVerdictsCarryFileLinesAndNames) {
  test_support::ScriptedErrorHandler handler;
  const std::filesystem::path folder = std::filesystem::path(SCOPSTER_SOURCE_DIR) / "examples" / "Sample";
  // Joined with "/" as the project names its files, on Windows too.
  const std::string project = folder.string() + "/Sample.vbp";
  const std::string frm = folder.string() + "/frmMain.frm";
  const std::string util = folder.string() + "/modUtil.bas";
  VerdictRun run(project);
  const std::vector<RecordedVerdict> expected = {
      {project, frm, frm, 19, "Public Sub RefreshView()", "RefreshView", false},
      {project, util, util, 7, "Public gnCounter As Long", "gnCounter", true},
      {project, util, util, 9, "Public Sub ShowTotals()", "ShowTotals", false},
      {project, util, util, 13, "Public Function Factorial(ByVal n As Long) As Long", "Factorial", false},
      {project, util, util, 21, "Public Sub ResetCounter()", "ResetCounter", true},
  };
  EXPECT_EQ(run.view.verdicts, expected);
  EXPECT_TRUE(run.view.lineEndWarnings.empty());
}

TEST(VerdictTest, LineNumbersCountTheLinesTheReaderLeavesOut) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture fixture;
  fixture.write("m.bas", ".Header\r\n.comment\r\n\r\nPublic Sub A()\r\n..dots\r\nEnd Sub\r\nPublic B As Long\r\n");
  VerdictRun run(fixture.write("P.vbp", "Module=m; m.bas\r\n"));
  ASSERT_EQ(run.view.verdicts.size(), 2u);
  EXPECT_EQ(run.view.verdicts[0].line, 4);
  EXPECT_EQ(run.view.verdicts[1].line, 7);
}

TEST(VerdictTest, OpenedFileIsThePathOnThisFileSystem) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture fixture;
  fixture.write("Src/Mod.bas", "Public Sub A()\r\nEnd Sub\r\n");
  const std::string project = fixture.write("P.vbp", "Module=Mod; src\\MOD.bas\r\n");
  VerdictRun run(project);
  ASSERT_EQ(run.view.verdicts.size(), 1u);
  const std::string listed = project.substr(0, project.find_last_of("\\/") + 1) + "src\\MOD.bas";
  EXPECT_EQ(run.view.verdicts[0].sourceFile, listed);
#ifdef _WIN32
  // Windows file names ignore letter case: the path is opened as written.
  EXPECT_EQ(run.view.verdicts[0].openedFile, std::filesystem::path(listed));
#else
  EXPECT_EQ(run.view.verdicts[0].openedFile, fixture.path("Src/Mod.bas"));
#endif
}

// A checkout whose line ends git converted: read as VB6 does it reports
// nothing and warns; read with any line ends it gives the CR LF verdicts.
TEST(VerdictTest, LfOnlyFilesWarnAndAnyLineEndsRestoresTheVerdicts) {
  test_support::ScriptedErrorHandler handler;
  const std::string a = "Public Sub A()\r\nEnd Sub\r\nPublic Sub Helper()\r\nEnd Sub\r\n";
  const std::string b = "Sub B()\r\n    A\r\nEnd Sub\r\n";
  const std::string vbp = "Module=a; a.bas\r\nModule=b; b.bas\r\n";
  ProjectFixture crlfCopy;
  crlfCopy.write("a.bas", a);
  crlfCopy.write("b.bas", b);
  VerdictRun original(crlfCopy.write("P.vbp", vbp));
  ProjectFixture lfCopy;
  lfCopy.write("a.bas", withLfOnly(a));
  lfCopy.write("b.bas", withLfOnly(b));
  const std::string project = lfCopy.write("P.vbp", withLfOnly(vbp));
  const std::string crlfProject = lfCopy.write("Q.vbp", vbp);

  VerdictRun sourcesAsVb6(crlfProject);
  EXPECT_EQ(sourcesAsVb6.view.lineEndWarnings, (std::vector<std::string>{lfCopy.path("a.bas"), lfCopy.path("b.bas")}));
  EXPECT_TRUE(sourcesAsVb6.view.verdicts.empty());
  VerdictRun projectAsVb6(project);
  EXPECT_EQ(projectAsVb6.view.lineEndWarnings, (std::vector<std::string>{project}));

  VerdictRun anyEnds(project, utilities::LineEnds::Any);
  EXPECT_TRUE(anyEnds.view.lineEndWarnings.empty());
  ASSERT_EQ(anyEnds.view.verdicts.size(), original.view.verdicts.size());
  ASSERT_FALSE(original.view.verdicts.empty());
  for (std::size_t i = 0; i < original.view.verdicts.size(); ++i) {
    EXPECT_EQ(anyEnds.view.verdicts[i].declaration, original.view.verdicts[i].declaration);
    EXPECT_EQ(anyEnds.view.verdicts[i].line, original.view.verdicts[i].line);
    EXPECT_EQ(anyEnds.view.verdicts[i].usedInOwnFile, original.view.verdicts[i].usedInOwnFile);
  }
}

}  // namespace
