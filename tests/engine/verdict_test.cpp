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
  AnalysisRun run(fixture.write("P.vbp", "Module=Mod; src\\MOD.bas\r\n"));
  run.go();
  ASSERT_EQ(run.view.verdicts.size(), 1u);
  EXPECT_EQ(run.view.verdicts[0].sourceFile, fixture.dir().str() + "/src\\MOD.bas");
  EXPECT_EQ(run.view.verdicts[0].openedFile, fixture.path("Src/Mod.bas"));
}

}  // namespace
