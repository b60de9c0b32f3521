// Real projects: whatever the engine reports, no other code file of the
// project may hold the name as a word of its code. Each file's words come
// from the plain reading's line reader, not from the engine's.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "tests/engine/plain_reading.h"
#include "tests/engine/recording_run_view.h"
#include "tests/support/test_support.h"
#include "utilities/cp1252_case.h"
#include "utilities/line_reader.h"
#include "utilities/vb_path.h"

namespace {

namespace fs = std::filesystem;

const fs::path kCorporaFolder = fs::path(SCOPSTER_SOURCE_DIR) / ".." / "shared" / "corpora";

std::string folded(std::string text) {
  for (char& c : text) c = utilities::foldCaseCp1252(c);
  return text;
}

// The words of a file's code, folded: names outside literals and comments.
std::set<std::string> codeWordsOf(const std::string& path) {
  std::set<std::string> words;
  plain_reading::LineState state;
  const std::string bytes = utilities::readFileBytes(path).value_or("");
  for (const std::string& line : plain_reading::splitLines(bytes, utilities::LineEnds::Any))
    for (const plain_reading::Word& word : plain_reading::codeWords(line, state))
      if (word.kind == plain_reading::Word::Name) words.insert(folded(word.text));
  return words;
}

fs::path identity(const std::string& path) { return fs::weakly_canonical(utilities::nativePath(path)); }

struct Corpus {
  const char* project;
  bool small;  // small enough for the plain reading, which walks every word per name
};

class CorpusProjects : public testing::TestWithParam<Corpus> {};

// The small ones are also read the plain way, which must give the same list.
TEST_P(CorpusProjects, NoReportedNameIsAWordOfAnotherCodeFile) {
  const fs::path project = kCorporaFolder / GetParam().project;
  if (!fs::exists(project)) GTEST_SKIP() << project << " is not here";
  test_support::ScriptedErrorHandler handler;
  engine_test::AnalysisRun run(project.string());
  run.go();
  ASSERT_GE(run.view.list.size(), 1u);
  ASSERT_TRUE(run.view.list.size() == 1 || run.view.list[1].rfind("Can't find", 0) != 0) << run.view.list[1];

  std::vector<std::pair<fs::path, std::set<std::string>>> files;
  for (const std::string& path : plain_reading::codeFiles(project.string()))
    files.emplace_back(identity(path), codeWordsOf(path));
  int unused = 0;
  int privateCount = 0;
  for (const engine_test::RecordedVerdict& verdict : run.view.verdicts) {
    (verdict.usedInOwnFile ? privateCount : unused) += 1;
    const fs::path own = identity(verdict.sourceFile);
    for (const auto& [file, words] : files) {
      if (file == own) continue;
      for (const std::string& name : verdict.names)
        EXPECT_EQ(words.count(folded(name)), 0u)
            << verdict.sourceFile << ":" << verdict.line << " " << verdict.declaration << "\n  " << name
            << " is a word of " << file;
    }
  }
  if (GetParam().small) {
    EXPECT_EQ(run.view.list, plain_reading::resultList(project.string()));
  }
  std::cout << "[ corpus   ] " << GetParam().project << ": Unused " << unused << ", Private " << privateCount << "\n";
  RecordProperty("unused", unused);
  RecordProperty("private", privateCount);
}

const Corpus kCorpora[] = {
    {"PhotoDemon/PhotoDemon.vbp", false},
    {"VBCCR/Standard EXE Version/ComCtlsDemo.vbp", true},
    {"VBCCR/ActiveX Control Version/VBCCR18.vbp", true},
    {"PhotoDemon/Support/Project-wide search and replace/VBP_SearchAndReplace.vbp", true},
    {"PhotoDemon/Support/Update Builder 2.0/PhotoDemon_Update_Generator.vbp", true},
    {"PhotoDemon/Support/Update Patcher 2.0/PD_Update_Patcher.vbp", true},
    {"PhotoDemon/Support/i18n-manager/Generate_i18n.vbp", true},
};

INSTANTIATE_TEST_SUITE_P(CorpusTest, CorpusProjects, testing::ValuesIn(kCorpora));

}  // namespace
