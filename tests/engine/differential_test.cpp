// The engine's result list must equal the plain reading's, on hand-written
// projects whose verdicts are known and on many small generated ones that
// mix the places where a name may hide: literals, comments, continuations,
// brackets, suffixes, lists, enums, events, handlers and odd line ends.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/engine/plain_reading.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using utilities::LineEnds;
using Files = std::vector<std::pair<std::string, std::string>>;

std::vector<std::string> engineList(const std::string& project, LineEnds ends) {
  engine_test::AnalysisRun run(project);
  run.analyser.setLineEnds(ends);
  run.go();
  return run.view.list;
}

// "file: declaration = verdict" for each group of the list, for readable tables.
std::vector<std::string> verdicts(const std::vector<std::string>& list) {
  if (list.size() == 2) return {list[1]};  // the line that ended the run
  std::vector<std::string> shown;
  for (std::size_t i = 1; i + 2 < list.size(); i += 4) {
    const std::string& path = list[i];
    shown.push_back(path.substr(path.find_last_of("\\/") + 1) + ": " + list[i + 1].substr(8) + " = " +
                    list[i + 2].substr(8));
  }
  return shown;
}

std::string crlfText(const std::string& lines) {
  std::string text;
  for (const char c : lines) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return text;
}

struct KnownCase {
  const char* what;
  Files files;  // the first is the project, written with CR LF like the rest
  std::vector<std::string> expected;
};

const std::string kForm = "VERSION 5.00\nBegin VB.Form frmA\n   Begin VB.CommandButton cmdGo\n   End\nEnd\n"
                          "Attribute VB_Name = \"frmA\"\n";

const KnownCase kKnownCases[] = {
    {"literals and comments are not uses",
     {{"P.vbp", "Module=a; a.bas\nModule=b; b.bas\n"},
      {"a.bas", "Public Sub Alpha()\nEnd Sub\nPublic Beta As Long\n"},
      {"b.bas", "x = \"Alpha\" ' Beta\nRem Alpha\ny = 1: REM Beta\nx = \"a\"\"Alpha\"\"\"\n"}},
     {"a.bas: Public Sub Alpha() = Unused", "a.bas: Public Beta As Long = Unused"}},
    {"doubled quotes close nothing; a statement goes on after \" _\", a comment too",
     {{"P.vbp", "Module=a; a.bas\nModule=b; b.bas\n"},
      {"a.bas", "Public Alpha As Long\nPublic Beta As Long\nPublic Gamma As Long\n"},
      {"b.bas", "x = \"a\"\"\" & Alpha\n' note _\nBeta = 1\nCall F(1, _\nRem Gamma)\n"}},
     {"a.bas: Public Beta As Long = Unused"}},
    {"Rem only starts a comment where a statement starts",
     {{"P.vbp", "Module=a; a.bas\nModule=b; b.bas\n"},
      {"a.bas", "Public Alpha As Long\nPublic Beta As Long\n"},
      {"b.bas", "Remark = Alpha\nF x:=Rem Beta\n"}},
     {}},
    {"a procedure's own body and statement are no use of it",
     {{"P.vbp", "Module=a; a.bas\n"},
      {"a.bas", "Public Function Alpha( _\nv) As Long\nAlpha = 1\nEnd Function\nPublic Sub Beta()\nEnd Sub\n"
                "Sub Other()\nBeta\nEnd Sub\n"}},
     {"a.bas: Public Function Alpha( _ = Unused", "a.bas: Public Sub Beta() = Private"}},
    {"every name of a list, suffix and bounds aside, and brackets",
     {{"P.vbp", "Module=a; a.bas\nClass=C; c.cls\n"},
      {"a.bas", "Public A$, B(1 To 9, 2) As Long\nPublic [C D]\nPublic Const E = \"x,y\", F = 2\nPublic G%\n"},
      {"c.cls", "x = b(1) + [c d] + y + g$\n"}},
     {"a.bas: Public Const E = \"x,y\", F = 2 = Unused"}},
    {"an enum is used through its members; its own body does not count",
     {{"P.vbp", "Module=a; a.bas\nModule=b; b.bas\n"},
      {"a.bas", "Public Enum Colour\n  Red = 1\nEnd Enum\nPublic Enum Size\n  Big\nEnd Enum\n"},
      {"b.bas", "x = RED\n"}},
     {"a.bas: Public Enum Size = Unused"}},
    {"events: Source_Event elsewhere; WithEvents: Name_Event in its own file",
     {{"P.vbp", "Form=f.frm\nModule=b; b.bas\n"},
      {"f.frm", kForm + "Public Event Changed()\nPublic Event Gone()\nPublic WithEvents Obj As C\n"
                        "Private Sub obj_Done()\nEnd Sub\n"},
      {"b.bas", "Private Sub frm_Changed()\nEnd Sub\nx = Gone_1\n"}},
     {"f.frm: Public Event Gone() = Unused", "f.frm: Public WithEvents Obj As C = Private"}},
    {"the run time calls Sub Main and a form's handlers",
     {{"P.vbp", "Form=f.frm\nModule=b; b.bas\nStartup=\"Sub Main\"\n"},
      {"f.frm", kForm + "Public Sub Form_Load()\nEnd Sub\nPublic Sub cmdGo_Click()\nEnd Sub\n"
                        "Public Sub cmdStop_Click()\nEnd Sub\n"},
      {"b.bas", "Public Sub Main()\nEnd Sub\nPublic Sub MDIForm_Load()\nEnd Sub\n"}},
     {"f.frm: Public Sub Form_Load() = Private", "f.frm: Public Sub cmdGo_Click() = Private",
      "f.frm: Public Sub cmdStop_Click() = Unused", "b.bas: Public Sub MDIForm_Load() = Unused"}},
    {"names compare in Windows-1252 case",
     {{"P.vbp", "Module=a; a.bas\nModule=b; b.bas\n"},
      {"a.bas", "Public \xC9tat, Na\xEFve\nPublic \x8Aum, Ma\xFF\nPublic Caf\xE9\n"},
      {"b.bas", "x = \xE9TAT + NA\xCFVE + \x9AUM + MA\x9F + CAFE\n"}},
     {"a.bas: Public Caf\xE9 = Unused"}},
    {"a file listed twice is judged once",
     {{"P.vbp", "Module=a; a.bas\nModule=a2; a.bas\n"}, {"a.bas", "Public A As Long\n"}},
     {"a.bas: Public A As Long = Unused"}},
    {"a missing file ends the run",
     {{"P.vbp", "Module=a; a.bas\nClass=C; gone.cls\n"}, {"a.bas", "Public A As Long\n"}},
     {"Can't find file '<dir>gone.cls'"}},
};

// The plain reading's own grammar, so that agreement with the engine means something.
TEST(DifferentialTest, PlainReadingDeclaresTheNamesOfAPublicLine) {
  const std::pair<const char*, std::vector<std::string>> kLines[] = {
      {"Public Static Function F(a, b) As Long", {"F"}},
      {"public Property Let P(v)", {"P"}},
      {"Public Declare PtrSafe Sub D Lib \"k\" ()", {"D"}},
      {"Public Const A As String = \"x, y\", B = (1, 2), C = 3", {"A", "B", "C"}},
      {"Public A$, B(1 To 9, 2) As Long, [C D], WithEvents E As X", {"A", "B", "C D", "E"}},
      {"Public Enum E", {"E"}},
      {"Public A As Long: Public B As Long: x = 1, y", {"A", "B"}},
      {"Public Property X As Long", {}},
      {"Public Sub 1A()", {}},
      {"[Public] A As Long", {}},
      {"Private A As Long", {}},
  };
  for (const auto& [line, names] : kLines) {
    plain_reading::LineState state;
    EXPECT_EQ(plain_reading::declaredNames(plain_reading::codeWords(line, state)), names) << line;
  }
}

class KnownProjects : public testing::TestWithParam<KnownCase> {};

TEST_P(KnownProjects, EngineAndPlainReadingGiveTheKnownVerdicts) {
  test_support::ScriptedErrorHandler handler;
  engine_test::ProjectFixture fixture;
  for (const auto& [name, text] : GetParam().files) fixture.write(name, crlfText(text));
  const std::string project = fixture.path(GetParam().files.front().first);
  std::vector<std::string> expected = GetParam().expected;
  for (std::string& line : expected)
    if (line.find("<dir>") != std::string::npos) line.replace(line.find("<dir>"), 5, fixture.path(""));
  const std::vector<std::string> plain = plain_reading::resultList(project);
  EXPECT_EQ(verdicts(plain), expected);
  EXPECT_EQ(engineList(project, LineEnds::Any), plain);
}

INSTANTIATE_TEST_SUITE_P(DifferentialTest, KnownProjects, testing::ValuesIn(kKnownCases));

// Small projects built from pieces, the same ones for the same seed.
class ProjectGenerator {
 public:
  explicit ProjectGenerator(std::uint32_t seed) : random_(seed) {}

  Files files(bool& subMain) {
    subMain = chance(30);
    std::string vbp = "Type=Exe\n";
    Files files;
    const std::size_t forms = 1 + pick(2);
    const std::size_t modules = 1 + pick(2);
    for (std::size_t i = 0; i < forms; ++i) {
      files.push_back({"f" + std::to_string(i) + ".frm", form()});
      vbp += "Form=" + files.back().first + "\n";
    }
    for (std::size_t i = 0; i < modules; ++i) {
      files.push_back({i == 1 ? "sub/m1.bas" : "m" + std::to_string(i) + ".bas", code(true)});
      vbp += "Module=M" + std::to_string(i) + "; " + (i == 1 ? "Sub\\M1.bas" : files.back().first) + "\n";
    }
    if (chance(70)) {
      files.push_back({"c.cls", "VERSION 1.0 CLASS\nBEGIN\nEND\nAttribute VB_Name = \"C\"\n" + code(false)});
      vbp += "Class=C; c.cls\n";
    }
    if (chance(15)) vbp += "Module=Again; m0.bas\n";
    if (subMain) vbp += "Startup=\"Sub Main\"\n";
    files.insert(files.begin(), {"P.vbp", vbp});
    return files;
  }

  std::string lineEnd() {
    static const char* const kEnds[] = {"\r\n", "\r\n", "\n", "\r"};
    return kEnds[pick(4)];
  }
  bool chance(std::size_t percent) { return pick(100) < percent; }

 private:
  std::size_t pick(std::size_t n) { return random_() % n; }

  // A pool name in a random letter case, Windows-1252 letters included.
  std::string name() {
    static const char* const kNames[] = {"Alpha", "beta",  "Count", "\xC9tat", "\x8A" "arm",
                                         "Obj",   "Done", "cmdGo", "Main"};
    std::string text = kNames[pick(std::size(kNames))];
    for (char& c : text) {
      const auto b = static_cast<unsigned char>(c);
      if (!chance(30)) continue;
      if (std::isalpha(b)) c = static_cast<char>(b ^ 0x20);
      else if (b >= 0xC0 && b != 0xD7 && b != 0xF7 && b != 0xDF) c = static_cast<char>(b ^ 0x20);
      else if (b == 0x8A || b == 0x9A) c = static_cast<char>(b ^ 0x10);
    }
    return text;
  }

  std::string fill(std::string text) {
    for (std::size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at)) {
      const std::string key = text.substr(at, 3);
      // A use holds names of its own, filled on the next rounds.
      const std::string value = key == "{u}" ? use() : name();
      text.replace(at, 3, value);
      if (key != "{u}") at += value.size();
    }
    return text;
  }

  std::string use() {
    static const char* const kUses[] = {
        "x = {n} + 1", "x = \"{n}\"", "x = \"a\"\"{n}\"\"\" & y", "x = 1 ' {n}", "Rem {n}",
        "  REM {n} _\n{n}", "x = 1: Rem {n}", "x = 1 ' note _\n  {n} = 2", "Call F(1, _\n  {n})",
        "x = M0.{n}", "x = [{n}]", "x = {n}$", "x = {n}2", "RaiseEvent {n}(1)", "Remark = {n}",
        "F v:={n}", "x = 1 + _\nRem + {n}", "Debug.Print \"open {n}", "x = \"\" ' {n}", "x = {n}(1, 2)",
        "Set obj = New {n}", "Call src_{n}(1)", "x = {n}_Done", "x = 1 _\n  : Rem {n}", "Rem x _\n\n{n}",
    };
    return kUses[pick(std::size(kUses))];
  }

  std::string declaration() {
    static const char* const kDeclarations[] = {
        "Public Sub {n}()\n  {u}\nEnd Sub",
        "Public Function {n}(ByVal v As Long) As Long\n  {u}\n  {u}\nEnd Function",
        "public static sub {n}()\nEnd Sub",
        "Public Property Get {n}() As Long\n  {u}\nEnd Property\nPublic Property Let {n}(v As Long)\nEnd Property",
        "Public Declare PtrSafe Function {n} Lib \"k32\" (ByVal h As Long) As Long",
        "Public Declare Sub {n} Lib \"k32\" Alias \"{n}\" ()",
        "Public Const {n} As String = \"x,\"\"{n}\"\"\", {n} = 2",
        "Public {n} As Long, {n}(1 To 9, 2) As String",
        "Public {n}$, {n}%",
        "Public [{n}] As Long",
        "Public Enum {n}\n  {n} = 1\n  [{n}]\nEnd Enum",
        "Public Type {n}\n  {n} As Long\nEnd Type",
        "Public Event {n}(ByVal v As Long)",
        "Public WithEvents {n} As C",
        "Public {n} As Long, _\n  {n} As Long",
        "Public Sub {n}(ByVal v As Long, _\n  w As Long)\n  {u}\nEnd Sub",
        "Public Sub Main()\n  {u}\nEnd Sub",
        "Public Sub Form_Load()\nEnd Sub",
        "Public Sub {n}_{n}()\nEnd Sub",
        "Private Sub {n}_Click()\n  {u}\nEnd Sub",
        "  Public {n} As Long ' {n} _\n{n}",
        "Public {n}: {u}",
        "Public Sub {n}()\n  {u}",
        "Public Function {n}()\n  {u}\nEnd Sub",
    };
    return kDeclarations[pick(std::size(kDeclarations))];
  }

  std::string code(bool declaring) {
    std::string text;
    for (std::size_t i = 2 + pick(6); i > 0; --i) {
      const bool declare = declaring ? chance(55) : chance(20);
      text += fill(declare ? declaration() : chance(50) ? "{u}" : "Private Sub P()\n  {u}\n  {u}\nEnd Sub") + "\n";
    }
    return text;
  }

  std::string form() {
    std::string text = fill("VERSION 5.00\nBegin VB.Form frmA\n   Caption = \"Rem {n}\"\n"
                            "   Begin VB.CommandButton {n}\n   End\n   Begin VB.Menu mnu{n}\n   End\nEnd\n"
                            "Attribute VB_Name = \"frmA\"\n");
    return text + code(true);
  }

  std::mt19937 random_;
};

std::string dump(const Files& files) {
  std::string text;
  for (const auto& [name, content] : files) text += "--- " + name + "\n" + content + "\n";
  return text;
}

TEST(DifferentialTest, GeneratedProjectsGiveTheSameListBothWays) {
  test_support::ScriptedErrorHandler handler;
  int failures = 0;
  for (std::uint32_t seed = 1; seed <= 400 && failures < 3; ++seed) {
    ProjectGenerator generator(seed);
    bool subMain = false;
    const Files files = generator.files(subMain);
    engine_test::ProjectFixture fixture;
    for (const auto& [name, text] : files) {
      const std::string end = generator.lineEnd();
      std::string written;
      for (const char c : text) written += c == '\n' ? end : std::string(1, c);
      fixture.write(name, name == "P.vbp" ? crlfText(text) : written);
    }
    const LineEnds ends = generator.chance(20) ? LineEnds::Crlf : LineEnds::Any;
    const std::string project = fixture.path("P.vbp");
    const std::vector<std::string> plain = plain_reading::resultList(project, ends);
    const std::vector<std::string> fromEngine = engineList(project, ends);
    EXPECT_EQ(fromEngine, plain) << "seed " << seed << (ends == LineEnds::Crlf ? " (CR LF only)\n" : "\n")
                                 << dump(files);
    failures += fromEngine == plain ? 0 : 1;
  }
}

}  // namespace
