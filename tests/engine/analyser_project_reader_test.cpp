#include <gtest/gtest.h>

#include "engine/analyser.h"
#include "tests/engine/project_fixture.h"
#include "tests/engine/recording_run_view.h"

namespace {

using diagnostics::msgbox::Abort;
using diagnostics::msgbox::Ignore;
using engine_test::crlf;
using engine_test::ProjectFixture;

std::vector<std::string> sourceFilesOf(const std::string& projectText, bool& bError,
                                       const std::string& typedFolder, ProjectFixture& p) {
  p.write("P.vbp", projectText);
  engine_test::AnalysisRun run(typedFolder + "P.vbp");
  engine::Analyser& analyser = run.analyser;
  const std::int16_t count = analyser.mnGetSourceFiles(bError);
  std::vector<std::string> files(analyser.masSourceFiles().begin() + 1, analyser.masSourceFiles().end());
  // An aborted read returns 0 whatever it had collected.
  EXPECT_EQ(count, bError ? 0 : static_cast<std::int16_t>(files.size()));
  return bError ? std::vector<std::string>{} : files;
}

TEST(AnalyserProjectReaderTest, TakesFormAndModulePathsInOrderAndJoinsRelativeOnes) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  const std::string folder = p.dir().str() + "/";
  bool bError = false;
  const auto files = sourceFilesOf(crlf({"Type=Exe", "Form=frmMain.frm", "Module=modTax; ..\\Common\\modTax.bas",
                                         "Class=clsOrder; clsOrder.cls", "Form=D:\\Shared\\frmAbout.frm",
                                         "Module=modA.bas", "Module=modB;modB.bas", "Formula=x",
                                         "UserControl=ctl.ctl", "Module=x; \\\\server\\share\\m.bas"}),
                                   bError, folder, p);
  const std::vector<std::string> expected = {
      folder + "frmMain.frm", folder + "..\\Common\\modTax.bas", "D:\\Shared\\frmAbout.frm",
      folder + "odule=modA.bas",  // no ";": only the first character goes
      folder + "odB.bas",         // no blank after ";": one more character goes
      folder + "la=x",            // "Form" prefix without "="
      folder + "\\\\server\\share\\m.bas"};
  EXPECT_EQ(files, expected);
  EXPECT_FALSE(bError);
  EXPECT_EQ(handler.boxCount(), 0u);
}

TEST(AnalyserProjectReaderTest, EveryCodeEntryIsSearchedAndSubMainStartsIt) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  p.write("P.vbp", crlf({"Form=f.frm", "Class=C; c.cls", "UserControl=u.ctl", "PropertyPage=p.pag",
                         "UserDocument=d.dob", "Designer=x.Dsr", "Reference=*\\G{0}#2.0#0#stdole2.tlb",
                         "Object={0}#1.0#0; comctl.ocx", "ClassName=y", "Module=m; m.bas", "Startup=\"sub main\""}));
  engine_test::AnalysisRun run(p.path("P.vbp"));
  engine::Analyser& analyser = run.analyser;
  bool bError = false;
  EXPECT_EQ(analyser.mnGetSourceFiles(bError), 2);
  std::vector<std::string> searched;
  for (const engine::CodeEntry& entry : analyser.codeEntries())
    searched.push_back(entry.path.substr(p.dir().str().size() + 1) + (entry.declaring ? " judged" : ""));
  EXPECT_EQ(searched, (std::vector<std::string>{"f.frm judged", "c.cls", "u.ctl", "p.pag", "d.dob", "x.Dsr",
                                                "m.bas judged"}));
  EXPECT_TRUE(analyser.startsWithSubMain());
}

TEST(AnalyserProjectReaderTest, ProjectPathWithoutFolderJoinsNothing) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(p.dir().path());
  bool bError = false;
  const auto files = sourceFilesOf(crlf({"Form=frmMain.frm"}), bError, "", p);
  std::filesystem::current_path(previous);
  EXPECT_EQ(files, std::vector<std::string>{"frmMain.frm"});
}

TEST(AnalyserProjectReaderTest, ImpossibleEntriesAreReportedWithEachAnswer) {
  struct Case {
    const char* line;
    int answer;
    std::vector<std::string> filesAfter;  // relative to the folder
    bool error;
  };
  const Case cases[] = {
      {"Form", Abort, {}, true},
      {"Form", Ignore, {"Form", "ok.frm"}, false},
      {"Module=x;", Abort, {}, true},
      {"Module=x;", Ignore, {"Module=x;", "ok.frm"}, false},
  };
  for (const Case& c : cases) {
    test_support::ScriptedErrorHandler handler;
    handler.dialogs().queueAnswer(c.answer);
    ProjectFixture p;
    const std::string folder = p.dir().str() + "/";
    bool bError = false;
    const auto files = sourceFilesOf(crlf({c.line, "Form=ok.frm"}), bError, folder, p);
    std::vector<std::string> expected;
    for (const auto& f : c.filesAfter) expected.push_back(folder + f);
    if (!c.error) {
      EXPECT_EQ(files, expected) << c.line;
    }
    EXPECT_EQ(bError, c.error) << c.line;
    ASSERT_EQ(handler.boxCount(), 1u);
    EXPECT_EQ(handler.prompt(0), "Source: frmScopster.mnGetSourceFiles.6\r\n\r\nInvalid procedure call or argument");
  }
}

TEST(AnalyserProjectReaderTest, ProjectOfMoreThan32767LinesOverflows) {
  test_support::ScriptedErrorHandler handler;
  ProjectFixture p;
  std::string text;
  for (int i = 0; i < 32768; ++i) text += "Form=a.frm\r\n";
  bool bError = false;
  const auto files = sourceFilesOf(text, bError, p.dir().str() + "/", p);
  EXPECT_TRUE(bError);
  EXPECT_TRUE(files.empty());
  ASSERT_EQ(handler.boxCount(), 1u);
  EXPECT_NE(handler.prompt(0).find("mnGetSourceFiles.5\r\n\r\nOverflow"), std::string::npos);
}

TEST(AnalyserProjectReaderTest, EmptyLfOnlyAndBinaryProjectFiles) {
  static const char kBinaryBytes[] = "\0\0\0Form=x\r\n\xff\xfe\r\nForm=y.frm";
  const std::string kBinary(kBinaryBytes, sizeof kBinaryBytes - 1);
  test_support::ScriptedErrorHandler handler;
  const std::pair<std::string, std::size_t> cases[] = {
      {"", 0},
      {"\r\n", 0},
      {"Form=a.frm\nForm=b.frm\n", 2},  // any line end ends a line
      {kBinary, 1},
  };
  for (const auto& [text, count] : cases) {
    ProjectFixture p;
    bool bError = false;
    const auto files = sourceFilesOf(text, bError, p.dir().str() + "/", p);
    EXPECT_FALSE(bError);
    EXPECT_EQ(files.size(), count);
  }
  EXPECT_EQ(handler.boxCount(), 0u);
}

}  // namespace
