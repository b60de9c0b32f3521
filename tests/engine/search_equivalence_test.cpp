// The run keeps files in memory and looks names up in an index; its results
// must be exactly those of reading every file afresh and walking every line.
#include <gtest/gtest.h>

#include <random>

#include "engine/analyser.h"
#include "engine/source_scanner.h"
#include "runtime/vb_strings.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"
#include "utilities/line_reader.h"

namespace {

using engine_test::ProjectFixture;

utilities::LineList readAfresh(const std::string& path) {
  utilities::LineList lines;
  std::string header;
  utilities::gReadFileLines(path, lines, header);
  return lines;
}

bool usedIn(const utilities::LineList& lines, const std::string& name, std::size_t from = 1) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    bool bError = false;
    if (vb::InStr(lines[i], name) > 0 && engine::mbLiteralRemStripCheck(lines[i], name, bError)) return true;
  }
  return false;
}

bool usedInOwnFile(const utilities::LineList& lines, const std::string& declaration, const std::string& name) {
  const std::size_t last = lines.size() - 1;
  for (std::size_t i = 1; i <= last; ++i) {
    if (lines[i] == declaration) {
      const bool sub = vb::InStr(lines[i], "Sub") > 0;
      if (sub || vb::InStr(lines[i], "Function") > 0) {
        const std::string end = sub ? "End Sub" : "End Function";
        while (i < last) {
          ++i;
          if (vb::InStr(lines[i], end) > 0) break;
        }
      }
      continue;
    }
    bool bError = false;
    if (vb::InStr(lines[i], name) > 0 && engine::mbLiteralRemStripCheck(lines[i], name, bError)) return true;
  }
  return false;
}

std::vector<std::string> referenceRun(const std::string& project, const std::vector<std::string>& files) {
  std::vector<std::string> list{project};
  for (std::size_t f = 0; f < files.size(); ++f) {
    for (const std::string& line : readAfresh(files[f])) {
      if (!engine::isPublicDeclaration(line)) continue;
      const std::string name = engine::publicNameOf(line);
      bool found = false;
      for (std::size_t g = 0; g < files.size() && !found; ++g)
        if (g != f) found = usedIn(readAfresh(files[g]), name);
      if (found) continue;
      const bool own = usedInOwnFile(readAfresh(files[f]), line, name);
      list.insert(list.end(), {"    " + files[f], "        " + line, own ? "        Private" : "        Unused", ""});
    }
  }
  return list;
}

// Short names from a tiny alphabet collide and nest inside each other, which
// is where an index goes wrong.
class RandomProject {
 public:
  explicit RandomProject(unsigned seed) : random_(seed) {}

  std::string word() {
    static const char* const parts[] = {"ab", "Ab", "b", "ba", "c", "Sub", "Rem", "x1", "_", "\xe9"};
    std::string w;
    for (int n = 1 + pick(3); n > 0; --n) w += parts[pick(10)];
    return w;
  }

  std::string line() {
    switch (pick(12)) {
      case 0: return "Public Sub " + word() + "()";
      case 1: return "Public Function " + word() + "(x) As Long";
      case 2: return "Public " + word() + " As Long";
      case 3: return "Public " + word() + ", " + word();
      case 4: return "End Sub";
      case 5: return "End Function";
      case 6: return "    " + word() + " \"" + word() + "\" " + word();
      case 7: return "    " + word() + " ' " + word();
      case 8: return "Rem " + word();
      case 9: return "    x = " + word() + " Rem " + word() + "\"";
      case 10: return "." + word();
      default: return "    " + word() + "(" + word() + ")";
    }
  }

  std::string file() {
    std::string text;
    for (int n = pick(25); n > 0; --n) text += line() + "\r\n";
    return text;
  }

 private:
  int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  std::mt19937 random_;
};

TEST(SearchEquivalenceTest, IndexedRunMatchesReadingAfreshOnRandomProjects) {
  test_support::ScriptedErrorHandler handler;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    RandomProject random(seed);
    ProjectFixture p;
    std::string vbp;
    const int fileCount = 1 + static_cast<int>(seed % 5);
    for (int f = 0; f < fileCount; ++f) {
      const std::string name = "m" + std::to_string(f) + ".bas";
      p.write(name, random.file());
      vbp += "Module=m; " + name + "\r\n";
    }
    engine_test::AnalysisRun run(p.write("P.vbp", vbp));
    run.go();
    ASSERT_FALSE(run.bError) << "seed " << seed;
    const auto& sources = run.analyser.masSourceFiles();
    EXPECT_EQ(run.view.list, referenceRun(run.view.source, {sources.begin() + 1, sources.end()})) << "seed " << seed;
  }
  EXPECT_EQ(handler.boxCount(), 0u);
}

}  // namespace
