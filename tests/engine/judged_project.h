#pragma once
// Writes a small project whose entries follow the files' extensions, runs
// the analysis on it and returns its verdicts as "declaration -> verdict".

#include <string>
#include <vector>

#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace engine_test {

struct SourceFile {
  std::string name;  // .bas Module, .frm Form, .cls Class, .ctl UserControl, .pag, .dob, .dsr
  std::string text;  // lines joined by CR LF when written with lines()
};

inline std::string lines(std::initializer_list<const char*> all) { return crlf(all); }

inline std::string entryOf(const std::string& name) {
  const std::string extension = name.substr(name.rfind('.') + 1);
  if (extension == "bas") return "Module=m; " + name;
  if (extension == "frm") return "Form=" + name;
  if (extension == "cls") return "Class=c; " + name;
  if (extension == "ctl") return "UserControl=" + name;
  if (extension == "pag") return "PropertyPage=" + name;
  if (extension == "dob") return "UserDocument=" + name;
  return "Designer=" + name;
}

struct JudgedProject {
  ProjectFixture fixture;
  AnalysisRun run;

  explicit JudgedProject(const std::vector<SourceFile>& files, const std::string& projectLines = "",
                         utilities::LineEnds ends = utilities::LineEnds::Any)
      : run(write(files, projectLines)) {
    run.analyser.setLineEnds(ends);
    run.go();
  }

  std::vector<std::string> verdicts() const {
    std::vector<std::string> found;
    const auto& list = run.view.list;
    for (std::size_t i = 2; i + 1 < list.size(); i += 4) found.push_back(list[i].substr(8) + " -> " + list[i + 1].substr(8));
    return found;
  }

 private:
  std::string write(const std::vector<SourceFile>& files, const std::string& projectLines) {
    std::string vbp = projectLines;
    for (const SourceFile& file : files) {
      fixture.write(file.name, file.text);
      vbp += entryOf(file.name) + "\r\n";
    }
    return fixture.write("P.vbp", vbp);
  }
};

}  // namespace engine_test
