// Whatever the files hold, a run ends with its defined result or a reported
// failure: never a crash or a hang.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using diagnostics::msgbox::Abort;
using diagnostics::msgbox::Ignore;
using diagnostics::msgbox::Retry;
using engine_test::crlf;
using engine_test::ProjectFixture;
using engine_test::AnalysisRun;

// decl.bas declares Target; other.bas is the file under test.
std::string projectWithOther(ProjectFixture& p, const std::string& otherBytes) {
  p.write("decl.bas", crlf({"Public Sub Target()", "End Sub"}));
  p.write("other.bas", otherBytes);
  return p.write("P.vbp", crlf({"Module=d; decl.bas", "Module=o; other.bas"}));
}

bool reportsTarget(const AnalysisRun& outcome) {
  for (const auto& line : outcome.view.list)
    if (line == "        Public Sub Target()") return true;
  return false;
}

TEST(BadInputTest, OddFilesAreReadByTheLineRulesWithoutFailing) {
  struct Case {
    const char* name;
    std::string otherBytes;
    bool targetUsed;
  };
  const Case cases[] = {
      {"NUL bytes around a use", std::string("\0\0x\0Target\0\r\n\xff\xfe", 15), true},
      {"NUL bytes only", std::string(4096, '\0'), false},
      {"CR only line ends", "a\rb\rTarget\r", true},
      {"LF only", "' comment\nTarget\n", true},
      {"1 MB line with a use at its end", std::string(1 << 20, 'x') + " Target", true},
      {"empty file", "", false},
      {"dot lines only", ".Target\r\n", true},
      {"a literal that never closes", "x = \"" + std::string(1 << 16, '"') + "\r\nTarget", true},
  };
  for (const Case& c : cases) {
    test_support::ScriptedErrorHandler handler;
    ProjectFixture p;
    AnalysisRun outcome(projectWithOther(p, c.otherBytes));
    outcome.go();
    EXPECT_FALSE(outcome.bError) << c.name;
    EXPECT_EQ(reportsTarget(outcome), !c.targetUsed) << c.name;
    EXPECT_EQ(handler.boxCount(), 0u) << c.name;
  }
}

TEST(BadInputTest, FolderOrHiddenFileListedAsSourceIsNotFound) {
  test_support::ScriptedErrorHandler handler;
  for (const std::string entry : {"Module=d; folder.bas", "Module=h; .hidden.bas"}) {
    ProjectFixture p;
    std::filesystem::create_directories(p.dir().path() / "folder.bas");
    p.write(".hidden.bas", "Public Sub H()\r\n");
    AnalysisRun outcome(p.write("P.vbp", entry + "\r\n"));
    outcome.go();
    ASSERT_EQ(outcome.view.list.size(), 2u);
    EXPECT_EQ(outcome.view.list[1].rfind("Can't find file '", 0), 0u) << outcome.view.list[1];
    EXPECT_TRUE(outcome.bError);
  }
}

// Modules reach 65,534 lines. Names declared and used near the end of a
// 40,000-line module are found, in it and in the other files.
TEST(BadInputTest, ModulesOfMoreThan32767LinesAreScannedAndSearchedWhole) {
  ProjectFixture p;
  std::string big = "Public Sub EarlyUnused()\r\nEnd Sub\r\n";
  for (int i = 0; i < 40000; ++i) big += "x = x + 1\r\n";
  big += crlf({"Public LateUsedInSmall As Long", "Public LateUsedHere As Long", "Public LateUnused As Long",
               "Sub Tail()", "  LateUsedHere = SmallUsedInBig", "End Sub"});
  p.write("big.bas", big);
  p.write("small.bas", crlf({"Public SmallUsedInBig As Long", "Sub S()", "  LateUsedInSmall = 1", "End Sub"}));
  test_support::ScriptedErrorHandler handler;
  AnalysisRun outcome(p.write("P.vbp", crlf({"Module=b; big.bas", "Module=s; small.bas"})));
  outcome.go();
  const std::string bigPath = "    " + p.path("big.bas");
  const std::vector<std::string> expected{p.path("P.vbp"),
                                          bigPath, "        Public Sub EarlyUnused()", "        Unused", "",
                                          bigPath, "        Public LateUsedHere As Long", "        Private", "",
                                          bigPath, "        Public LateUnused As Long", "        Unused", ""};
  EXPECT_EQ(outcome.view.list, expected);
  EXPECT_FALSE(outcome.bError);
  EXPECT_EQ(handler.boxCount(), 0u);
}

TEST(BadInputTest, UnreadableFileIsReportedAndEachAnswerIsHonoured) {
  struct Case {
    const char* entry;
    std::vector<int> answers;
    bool expectError;
    const char* where;
  };
  // A judged file is read with its declarations; a searched one when its
  // identifiers are looked up. Each is read once.
  const Case cases[] = {
      {"Module=l; locked.bas", {Abort}, true, "mShowSourceGetPublics.2"},
      {"Module=l; locked.bas", {Retry, Ignore}, false, "mShowSourceGetPublics.2"},
      {"Class=l; locked.cls", {Abort}, true, "mbPublicInFile.3"},
      {"Class=l; locked.cls", {Retry, Retry, Ignore}, false, "mbPublicInFile.3"},
  };
  for (const Case& c : cases) {
    test_support::ScriptedErrorHandler handler;
    for (const int answer : c.answers) handler.dialogs().queueAnswer(answer);
    ProjectFixture p;
    p.write("decl.bas", crlf({"Public Sub Target()", "End Sub"}));
    // Reading /proc/self/mem from its start fails with EIO, for root too.
    const std::string locked = std::string(c.entry).substr(std::string(c.entry).find(' ') + 1);
    std::filesystem::create_symlink("/proc/self/mem", p.dir().path() / locked);
    AnalysisRun outcome(p.write("P.vbp", crlf({"Module=d; decl.bas", c.entry})));
    outcome.go();
    EXPECT_EQ(outcome.bError, c.expectError) << c.entry;
    ASSERT_EQ(handler.boxCount(), c.answers.size()) << c.entry;
    EXPECT_EQ(handler.prompt(0), "Source: frmScopster." + std::string(c.where) + "\r\n\r\nDevice I/O error\r\nFile: " +
                                     p.path(locked));
    EXPECT_NE(handler.log().find("DllError: 5  ErrNo: 57  Device I/O error"), std::string::npos);
    EXPECT_EQ(outcome.view.list.size(), c.expectError ? 1u : 5u) << c.entry;
  }
}

// A file swapped for a named pipe after the run found it is a failure, not
// an empty file whose missing uses turn into verdicts.
TEST(BadInputTest, FileSwappedForAPipeDuringTheRunIsAFailure) {
  test_support::ScriptedErrorHandler handler;
  handler.dialogs().queueAnswer(Abort);
  ProjectFixture p;
  p.write("decl.bas", crlf({"Public Sub Target()", "End Sub"}));
  p.write("use.cls", crlf({"Target"}));
  AnalysisRun outcome(p.write("P.vbp", crlf({"Module=d; decl.bas", "Class=u; use.cls"})), std::chrono::milliseconds(0));
  const std::filesystem::path use = p.dir().path() / "use.cls";
  outcome.view.onYield = [&](engine_test::RecordingRunView&) {
    if (std::filesystem::is_fifo(use)) return;
    std::filesystem::remove(use);
    ASSERT_EQ(mkfifo(use.c_str(), 0600), 0);
  };
  outcome.go();
  EXPECT_TRUE(outcome.bError);
  ASSERT_EQ(handler.boxCount(), 1u);
  EXPECT_EQ(handler.prompt(0), "Source: frmScopster.mbPublicInFile.3\r\n\r\nFile not found\r\nFile: " + p.path("use.cls"));
  EXPECT_EQ(outcome.view.list.size(), 1u);
}

TEST(BadInputTest, ProjectOfExactly32767SourceFilesEndsItsLoopNormally) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  p.write("a.bas", "' no declarations\r\n");
  std::string vbp;
  for (int i = 0; i < 32767; ++i) vbp += "Module=a; a.bas\r\n";
  AnalysisRun outcome(p.write("P.vbp", vbp));
  outcome.go();
  EXPECT_FALSE(outcome.bError);
  EXPECT_EQ(handler.boxCount(), 0u);
  EXPECT_EQ(outcome.view.runTime.substr(outcome.view.runTime.find("File:")), "File: 32767/32767");
}

}  // namespace
