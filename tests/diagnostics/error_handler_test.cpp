#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

using diagnostics::msgbox::Abort;
using diagnostics::msgbox::Ignore;
using diagnostics::msgbox::Ok;
using diagnostics::msgbox::Retry;

class ErrorHandlerTest : public ::testing::Test {
 protected:
  const test_support::ProductTexts texts{"", ""};
  test_support::ScriptedErrorHandler handler;
};

TEST_F(ErrorHandlerTest, LogRecordIsFourQuotedLinesWithTheLocationAndError) {
  diagnostics::gsOSVersion = "Linux v6.1 Build 0 #1";
  diagnostics::gsUserRegion = "44";
  const vb::VbError failure(53, "File not found", "Scopster", 2);
  EXPECT_EQ(diagnostics::gnErrorHandler("frmScopster", "mAnalyse", 0, failure), 3);

  const std::string log = handler.log();
  const std::regex record(
      "\"[^\r\n]+ [^\r\n]+  Linux v6\\.1 Build 0 #1  Locale: 44\r\n"
      "Scopster v0\\.916  frmScopster\\.mAnalyse\\.0\r\n"
      "DllError: 2  ErrNo: 53  File not found\r\n"
      "\"\r\n");
  EXPECT_TRUE(std::regex_match(log, record)) << log;
}

// The box and the record name the file a failure was about, after the text.
TEST_F(ErrorHandlerTest, FailureAboutAFileNamesIt) {
  vb::VbError failure = vb::VbError::standard(70);
  failure.setFile("C:\\VB\\Caf\xC3\xA9.bas");
  EXPECT_EQ(diagnostics::gnErrorHandler("frmScopster", "mbPublicInFile", 3, failure), 3);
  const auto& box = handler.dialogs().boxes().at(0);
  EXPECT_EQ(box.prompt, "Source: frmScopster.mbPublicInFile.3\r\n\r\nPermission denied\r\nFile: C:\\VB\\Caf\xE9.bas");
  EXPECT_EQ(box.title, "Error!");
  EXPECT_EQ(box.style, 306);
  const std::regex record(
      "\"[^\r\n]+  Locale: [^\r\n]*\r\n"
      "Scopster v0\\.916  frmScopster\\.mbPublicInFile\\.3\r\n"
      "DllError: 0  ErrNo: 70  Permission denied\r\n"
      "File: C:\\\\VB\\\\Caf\xE9\\.bas\r\n"
      "\"\r\n");
  EXPECT_TRUE(std::regex_match(handler.log(), record)) << handler.log();
}

TEST_F(ErrorHandlerTest, EmptyStartUpTextsAndDescriptionLeaveTheirBlanks) {
  diagnostics::gnErrorHandler("modGeneral", "gsGTrim", 7, vb::VbError(5, ""));
  const std::string log = handler.log();
  EXPECT_NE(log.find("    Locale: \r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("DllError: 0  ErrNo: 5  \r\n\"\r\n"), std::string::npos) << log;
  EXPECT_EQ(handler.prompt(0), "Source: modGeneral.gsGTrim.7\r\n\r\n");
}

struct BoxCase {
  const char* name;
  vb::VbError failure;
  int scriptedAnswer;
  int expectedStyle;
  const char* expectedPrompt;
  int expectedAnswer;
};

TEST_F(ErrorHandlerTest, BoxStyleAndAnswerDependOnTheErrorNumber) {
  const BoxCase cases[] = {
      {"runtime abort", vb::VbError::standard(6), Abort, 306, "Source: frmScopster.mAnalyse.12\r\n\r\nOverflow", 3},
      {"runtime retry", vb::VbError::standard(6), Retry, 306, "Source: frmScopster.mAnalyse.12\r\n\r\nOverflow", 4},
      {"runtime ignore", vb::VbError::standard(6), Ignore, 306, "Source: frmScopster.mAnalyse.12\r\n\r\nOverflow", 5},
      {"program-defined ok counts as abort",
       vb::VbError::programDefined("GetLocaleInfo 1", "Error occurred with GetLocaleInfo"), Ok, 48,
       "Source: frmScopster.mAnalyse.GetLocaleInfo 1\r\n\r\nError occurred with GetLocaleInfo", 3},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const BoxCase& c = cases[i];
    handler.dialogs().queueAnswer(c.scriptedAnswer);
    EXPECT_EQ(diagnostics::gnErrorHandler("frmScopster", "mAnalyse", 12, c.failure), c.expectedAnswer) << c.name;
    const auto& box = handler.dialogs().boxes().at(i);
    EXPECT_EQ(box.style, c.expectedStyle) << c.name;
    EXPECT_EQ(box.prompt, c.expectedPrompt) << c.name;
    EXPECT_EQ(box.title, "Error!") << c.name;
  }
}

TEST_F(ErrorHandlerTest, LogKeepsEarlierRecordsAndIsWrittenBeforeTheBox) {
  std::size_t logSizeWhenAsked = 0;
  handler.dialogs().onBox([&](const diagnostics::ShownBox&) { logSizeWhenAsked = handler.log().size(); });
  diagnostics::gnErrorHandler("a", "b", 1, vb::VbError::standard(9));
  const std::string firstRecord = handler.log();
  EXPECT_EQ(logSizeWhenAsked, firstRecord.size());
  diagnostics::gnErrorHandler("a", "b", 2, vb::VbError::standard(9));
  const std::string both = handler.log();
  ASSERT_GT(both.size(), firstRecord.size());
  EXPECT_EQ(both.substr(0, firstRecord.size()), firstRecord) << "the first record was changed or lost";
  EXPECT_NE(both.find("a.b.2", firstRecord.size()), std::string::npos) << "the second record is missing";
}

TEST_F(ErrorHandlerTest, UnwritableLogFallsBackAndTheBoxIsShownAnyway) {
  // A folder where the log file should be cannot be opened for appending, not even by root.
  std::filesystem::create_directories(handler.logFile());
  const auto fallback = handler.logFile().parent_path() / "fallback" / "Scopster.log";
  EXPECT_EQ(diagnostics::gnErrorHandler("frmScopster", "Form_Load", 0, vb::VbError::standard(70)), 3);
  EXPECT_EQ(handler.boxCount(), 1u);
  EXPECT_NE(test_support::readFile(fallback).find("ErrNo: 70  Permission denied"), std::string::npos);
}

TEST_F(ErrorHandlerTest, MinorHasAtLeastThreeDigits) {
  EXPECT_EQ(diagnostics::versionText(2, 14), "v2.014");
  EXPECT_EQ(diagnostics::versionText(1, 5), "v1.005");
  EXPECT_EQ(diagnostics::versionText(0, 1234), "v0.1234");
  EXPECT_EQ(diagnostics::gsVersionText(), "v0.916");
}

TEST_F(ErrorHandlerTest, RetryRunsTheStepAgainIgnoreGoesOnAbortLeaves) {
  handler.dialogs().queueAnswer(Retry);
  handler.dialogs().queueAnswer(Ignore);
  handler.dialogs().queueAnswer(Abort);
  bool bError = false;
  int attempts = 0;
  int reachedStep = 0;
  {
    diagnostics::ErrorTrap trap{"modTest", "procedure", bError};
    trap.step(1, [&] {
      if (++attempts < 3) vb::raise(6);  // fails, retried, fails, ignored
    });
    reachedStep = 2;
    EXPECT_FALSE(trap.step(2, [&] { throw std::runtime_error("boom"); }));
    EXPECT_FALSE(trap.step(3, [&] { reachedStep = 3; }));
  }
  EXPECT_EQ(attempts, 2);
  EXPECT_EQ(reachedStep, 2);
  EXPECT_TRUE(bError);
  EXPECT_EQ(diagnostics::gnErrorAnswer, 3);
  ASSERT_EQ(handler.boxCount(), 3u);
  EXPECT_EQ(handler.prompt(2), "Source: modTest.procedure.2\r\n\r\nInternal error: boom");
}

}  // namespace
