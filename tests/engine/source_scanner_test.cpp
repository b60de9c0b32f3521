#include <gtest/gtest.h>

#include "engine/source_scanner.h"
#include "tests/support/test_support.h"

namespace {

using diagnostics::msgbox::Abort;
using diagnostics::msgbox::Ignore;
using diagnostics::msgbox::Retry;

TEST(SourceScannerTest, EachKindOfDeclaration) {
  const std::pair<const char*, const char*> cases[] = {
      {"Public Sub Main()", "Main"},
      {"Public Function Total(ByVal a As Long) As Long", "Total"},
      {"Public mnCount As Integer", "mnCount"},
      {"Public a, b As Long", "a,"},
      {"Public WithEvents mFrm As Form", "WithEvents"},
      {"Public Sub Main() ' starts here", "Main"},
      // Sub and Function lines without "(" are variables whose names start so.
      {"Public Subtotal As Long", "Subtotal"},
      {"Public FunctionKeys As Integer", "FunctionKeys"},
      {"Public FileName", "FileName"},
      {"Public x", "x"},
      {"Public", ""},
      {"Public Sub", "Sub"},
      {"Public Subtotal(3) As Long", "otal"},  // the "(" rule still applies when there is one
  };
  for (const auto& [line, name] : cases) {
    bool bError = false;
    EXPECT_EQ(engine::msGetPublicNameOnly(line, bError), name) << line;
    EXPECT_FALSE(bError) << line;
  }
}

struct StripCase {
  const char* line;
  const char* name;
  bool expected;
};

TEST(SourceScannerTest, LiteralsAndCommentsDoNotCount) {
  const StripCase cases[] = {
      {"    MsgBox \"Foo\"", "Foo", false},
      {"    Foo ' calls Foo", "Foo", true},
      {"    x = 1 ' Foo", "Foo", false},
      {"Rem Foo is called here", "Foo", false},
      {"    mnRemaining = Foo", "Foo", true},        // Rem after a letter is not a comment
      {"    x = mnCounter", "Count", true},           // no whole-word test
      {"    foo", "Foo", false},                      // case matters
      {"    s = \"it's\" & Foo", "Foo", true},        // apostrophe inside a literal
      {"    s = \"a \"\"quoted\"\" Foo\"", "Foo", false},  // doubled quotes stay inside the literal
      {"    Call RemoveAll(Foo)", "Foo", false},     // " Rem..." cuts the line
      {"    x = 1:Rem Foo", "Foo", true},            // Rem after a colon is not a comment
      {"    x = \"open Foo", "Foo", false},          // an unterminated literal runs to the end
      {"    x = Foo", "", true},
      {"", "", false},
  };
  for (const auto& c : cases) {
    bool bError = false;
    EXPECT_EQ(engine::mbLiteralRemStripCheck(c.line, c.name, bError), c.expected) << c.line;
    EXPECT_FALSE(bError) << c.line;
  }
}

TEST(SourceScannerTest, QuotePast32767OverflowsAndEveryAnswerTerminates) {
  const std::string farQuote = std::string(40000, 'x') + " Foo \"lit\"";
  const std::string farRem = std::string(40000, 'x') + " Rem Foo";
  struct Case {
    const std::string* line;
    int answer;
    bool expectedFound;
    bool expectedError;
  };
  const Case cases[] = {
      {&farQuote, Abort, false, true},
      {&farQuote, Ignore, true, false},  // literal stripping skipped, the name is still there
      {&farRem, Abort, false, true},
      {&farRem, Ignore, true, false},
  };
  for (const Case& c : cases) {
    test_support::ScriptedErrorHandler handler;
    handler.dialogs().queueAnswer(Retry);  // fails again: the data has not changed
    handler.dialogs().queueAnswer(c.answer);
    bool bError = false;
    EXPECT_EQ(engine::mbLiteralRemStripCheck(*c.line, "Foo", bError), c.expectedFound);
    EXPECT_EQ(bError, c.expectedError);
    ASSERT_EQ(handler.boxCount(), 2u);
    EXPECT_NE(handler.prompt(1).find("frmScopster.mbLiteralRemStripCheck."), std::string::npos);
    EXPECT_NE(handler.prompt(1).find("Overflow"), std::string::npos);
  }
}

TEST(SourceScannerTest, ManyLiteralsOnAHugeLineFinishInOnePass) {
  std::string line;
  for (int i = 0; i < 10000; ++i) line += "\"ab\"";  // 40,000 characters, all literal
  line += " Foo";
  bool bError = false;
  EXPECT_TRUE(engine::mbLiteralRemStripCheck(line, "Foo", bError));
  EXPECT_FALSE(bError);
}

}  // namespace
