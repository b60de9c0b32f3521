#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/send_email.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/recording_mail_transport.h"
#include "tests/support/test_support.h"
#include "utilities/bug_report_offer.h"

namespace {

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

class BugReportOfferTest : public ::testing::Test {
 protected:
  void SetUp() override { store.put("SendBugReports", ""); }
  const test_support::ProductTexts texts{"Scopster v0.916", ""};
  // A log of numbered lines, "line 1" ... "line n", CR LF each.
  void writeLog(int count) const {
    std::string log;
    for (int line = 1; line <= count; ++line) log += "line " + std::to_string(line) + "\r\n";
    writeFile(handler.logFile(), log);
  }
  // Runs the offer for the handler's log, answering the question with yes;
  // counts the questions.
  void offer(bool yes = true) { offerFor(handler.logFile(), yes); }
  void offerFor(const std::filesystem::path& log, bool yes = true) {
    utilities::offerBugReport(log, [this, yes] {
      ++questions;
      return yes;
    });
  }
  // The offer as the error handler runs it after an Abort.
  void offerAfterAbort() {
    diagnostics::ErrorHandlerSetup setup = diagnostics::errorHandlerSetup();
    setup.offerBugReport = [this] {
      utilities::offerBugReport([this] {
        ++questions;
        return true;
      });
    };
    diagnostics::installErrorHandler(setup);
  }
  static int countLines(const std::string& body) {
    int count = 0;
    for (std::size_t at = body.find("\r\n"); at != std::string::npos; at = body.find("\r\n", at + 2)) ++count;
    return count;
  }

  test_support::ScriptedErrorHandler handler;
  test_support::MemorySettingsStore store;
  test_support::RecordingMailTransport mail;
  int questions = 0;
};

TEST_F(BugReportOfferTest, MailsAtMostTheLast151Lines) {
  struct Case {
    int logLines;
    int mailedLines;
    const char* firstLine;
  };
  for (const Case& test : {Case{150, 150, "line 1\r\n"}, Case{151, 151, "line 1\r\n"}, Case{200, 151, "line 50\r\n"}}) {
    SCOPED_TRACE(test.logLines);
    writeLog(test.logLines);
    mail.sent.clear();
    offer();
    ASSERT_EQ(mail.sent.size(), 1u);
    const std::string& body = mail.sent[0].body;
    EXPECT_EQ(countLines(body), test.mailedLines);
    EXPECT_EQ(body.rfind(test.firstLine, 0), 0u) << body.substr(0, 20);
    EXPECT_TRUE(body.ends_with("line " + std::to_string(test.logLines) + "\r\n"));
    EXPECT_EQ(mail.sent[0].recipient, "BugScopsterv0.916@ombry.example");
    EXPECT_EQ(mail.sent[0].subject, "Bug Report Scopster v0.916");
  }
}

TEST_F(BugReportOfferTest, BlankLogLinesAreSentAsOneBlank) {
  writeFile(handler.logFile(), "\"first\r\n\r\nlast\r\n\"\r\n");
  offer();
  ASSERT_EQ(mail.sent.size(), 1u);
  EXPECT_EQ(mail.sent[0].body, "\"first\r\n \r\nlast\r\n\"\r\n");
}

TEST_F(BugReportOfferTest, NoOfferWithoutConsentLogOrYes) {
  writeLog(3);
  offer(false);
  EXPECT_EQ(questions, 1);
  store.put("SendBugReports", "Scopster v0.916");  // declined by this version
  offer();
  EXPECT_EQ(questions, 1);
  store.put("SendBugReports", "");
  writeFile(handler.logFile(), "");
  offer();
  EXPECT_EQ(questions, 1);
  EXPECT_TRUE(mail.sent.empty());
}

// Reading that fails (the kernel refuses to read this file) must not reach
// the error handler, which is what runs the offer.
TEST_F(BugReportOfferTest, UnreadableLogMakesNoOfferAndNoReport) {
  offerFor("/proc/self/mem");
  EXPECT_EQ(questions, 0);
  EXPECT_EQ(handler.boxCount(), 0u);
  EXPECT_TRUE(mail.sent.empty());
}

TEST_F(BugReportOfferTest, HandlerOffersOnlyAfterAbort) {
  offerAfterAbort();
  const vb::VbError failure(53, "File not found");
  handler.dialogs().queueAnswer(diagnostics::msgbox::Retry);
  handler.dialogs().queueAnswer(diagnostics::msgbox::Ignore);
  handler.dialogs().queueAnswer(diagnostics::msgbox::Abort);
  handler.dialogs().queueAnswer(diagnostics::msgbox::Ok);  // counts as Abort
  for (int report = 0; report < 4; ++report) diagnostics::gnErrorHandler("frmScopster", "mAnalyse", 0, failure);
  EXPECT_EQ(questions, 2);
  ASSERT_EQ(mail.sent.size(), 2u);
  EXPECT_EQ(countLines(mail.sent[0].body), 12) << "three four-line records";
}

// Links and owners are POSIX's; the Windows log has its own tests.
#ifndef _WIN32
// The offer mails the log that this record went to, not the main log when
// that one could not take the record but still holds older lines.
// The log is read back from where it is, whatever script its folder is named in.
TEST_F(BugReportOfferTest, LogInAFolderOfAnyNameIsMailed) {
  const test_support::TempDir dir;
  for (const std::string name : {"\u0141\u00F3d\u017A", "\u0395\u03BB\u03BB\u03AC\u03B4\u03B1", "\u65E5\u672C\u8A9E"}) {
    SCOPED_TRACE(name);
    offerFor(dir.write(name + "/Scopster.log", "record in " + name + "\r\n"));
    ASSERT_FALSE(mail.sent.empty());
    EXPECT_EQ(mail.sent.back().body, "record in " + name + "\r\n");
  }
  EXPECT_EQ(mail.sent.size(), 3u);
}

TEST_F(BugReportOfferTest, MailsTheLogTheRecordWentTo) {
  const auto older = handler.logFile().parent_path() / "older.log";
  writeFile(older, "\"older record\r\n\"\r\n");
  std::filesystem::create_symlink(older, handler.logFile());  // never appended through
  offerAfterAbort();
  diagnostics::gnErrorHandler("frmScopster", "mAnalyse", 0, vb::VbError(53, "File not found"));
  ASSERT_EQ(mail.sent.size(), 1u);
  EXPECT_EQ(mail.sent[0].body.find("older record"), std::string::npos) << mail.sent[0].body;
  EXPECT_NE(mail.sent[0].body.find("ErrNo: 53  File not found\r\n"), std::string::npos) << mail.sent[0].body;
  EXPECT_EQ(diagnostics::lastErrorLog(), handler.logFile().parent_path() / "fallback" / "Scopster.log");
}

// A main log that another user owns (and this one may not read) takes no
// record; the per-user log does, and is what the offer mails.
TEST_F(BugReportOfferTest, LogOfAnotherUserIsLeftForTheFallback) {
  writeFile(handler.logFile(), "theirs\r\n");
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(handler.logFile().c_str(), 65534, 65534), 0);
    std::filesystem::permissions(handler.logFile(), std::filesystem::perms::owner_write |
                                                        std::filesystem::perms::group_write |
                                                        std::filesystem::perms::others_write);
  } else {
    // Not root, no file of another user can be made: one others may write to
    // is refused the same way.
    std::filesystem::permissions(handler.logFile(), std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::add);
  }
  offerAfterAbort();
  diagnostics::gnErrorHandler("frmScopster", "mAnalyse", 0, vb::VbError(70, "Permission denied"));
  EXPECT_EQ(test_support::readFile(handler.logFile()), "theirs\r\n");
  EXPECT_EQ(questions, 1);
  ASSERT_EQ(mail.sent.size(), 1u);
  EXPECT_NE(mail.sent[0].body.find("ErrNo: 70  Permission denied\r\n"), std::string::npos) << mail.sent[0].body;
}

#endif

}  // namespace
