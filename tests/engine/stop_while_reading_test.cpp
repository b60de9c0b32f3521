// Stop acts while the files are still being read and indexed, not only once
// the declarations are being searched.
#include <gtest/gtest.h>

#include <string>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using engine_test::crlf;
using engine_test::ProjectFixture;
using engine_test::RecordingRunView;

std::string projectOfManyFiles(ProjectFixture& p, int files) {
  std::string project;
  for (int i = 0; i < files; ++i) {
    const std::string name = "m" + std::to_string(i) + ".bas";
    const std::string declaration = "Public Sub U" + std::to_string(i) + "x()";
    p.write(name, crlf({declaration.c_str(), "End Sub"}));
    project += "Module=m; " + name + "\r\n";
  }
  return p.write("P.vbp", project);
}

TEST(StopWhileReadingTest, StopAtAnyPreparingYieldEndsTheRunThere) {
  ProjectFixture p;
  const std::string project = projectOfManyFiles(p, 50);
  // Yields 1-50 come after each file read, 51-100 after each file indexed.
  for (const int stopAt : {1, 25, 50, 51, 75}) {
    engine_test::AnalysisRun run(project, std::chrono::milliseconds(0));
    run.view.onYield = [stopAt](RecordingRunView& v) { v.stop = v.yields >= stopAt; };
    run.go();
    EXPECT_FALSE(run.bError);
    EXPECT_EQ(run.view.yields, stopAt) << "the run went on after the stop";
    EXPECT_EQ(run.view.list, std::vector<std::string>{project}) << stopAt;
  }
}

}  // namespace
