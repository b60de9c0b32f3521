// The engine's result list must equal the plain reading's on many small
// generated projects that mix the places where a name may hide: literals,
// comments, continuations, brackets, suffixes, lists, enums, events,
// handlers and odd line ends.
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

std::string crlfText(const std::string& lines) {
  std::string text;
  for (const char c : lines) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return text;
}

// The rules themselves are pinned by sound_reading_test.cpp, one project per
// rule: agreement here then means that both readings follow them.

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
