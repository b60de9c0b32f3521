#include <gtest/gtest.h>

#include <string>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using engine_test::ProjectFixture;
using engine_test::AnalysisRun;

// Verdicts point at the line an editor shows, whatever ends the lines.
TEST(VerdictTest, LineNumbersAreThoseAnEditorShows) {
  struct Case {
    const char* bytes;
    std::vector<std::int32_t> lines;
  };
  const Case cases[] = {
      {".Header\r\n.comment\r\n\r\nPublic Sub A()\r\n..dots\r\nEnd Sub\r\nPublic B As Long\r\n", {4, 7}},
      {"x\r\ny\nPublic Sub A()\rEnd Sub\r\n\nPublic B As Long", {3, 6}},
      {"Public Sub A(x, _\r\n  y)\r\nEnd Sub\nPublic B, _\n C", {1, 4}},
  };
  test_support::ScriptedErrorHandler handler;
  for (const Case& c : cases) {
    ProjectFixture fixture;
    fixture.write("m.bas", c.bytes);
    AnalysisRun run(fixture.write("P.vbp", "Module=m; m.bas\r\n"));
    run.go();
    std::vector<std::int32_t> lines;
    for (const auto& verdict : run.view.verdicts) lines.push_back(verdict.line);
    EXPECT_EQ(lines, c.lines) << c.bytes;
  }
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
