#include <gtest/gtest.h>

#include <string>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using engine_test::ProjectFixture;
using engine_test::AnalysisRun;

TEST(VerdictTest, LineNumbersCountTheLinesTheReaderLeavesOut) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture fixture;
  fixture.write("m.bas", ".Header\r\n.comment\r\n\r\nPublic Sub A()\r\n..dots\r\nEnd Sub\r\nPublic B As Long\r\n");
  AnalysisRun run(fixture.write("P.vbp", "Module=m; m.bas\r\n"));
  run.go();
  ASSERT_EQ(run.view.verdicts.size(), 2u);
  EXPECT_EQ(run.view.verdicts[0].line, 4);
  EXPECT_EQ(run.view.verdicts[1].line, 7);
}

TEST(VerdictTest, OpenedFileIsThePathOnThisFileSystem) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture fixture;
  fixture.write("Src/Mod.bas", "Public Sub A()\r\nEnd Sub\r\n");
  const std::string project = fixture.write("P.vbp", "Module=Mod; src\\MOD.bas\r\n");
  AnalysisRun run(project);
  run.go();
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

}  // namespace
