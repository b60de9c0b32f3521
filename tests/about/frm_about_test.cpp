#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <cstdlib>
#include <string>
#include <vector>

#include "about/frm_about.h"
#include "diagnostics/app_globals.h"
#include "diagnostics/send_email.h"
#include "platform/settings_store.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/product_texts.h"
#include "tests/support/recording_mail_transport.h"
#include "tests/support/test_support.h"

namespace {

using test_support::control;
namespace mb = diagnostics::msgbox;

class AboutTest : public ::testing::Test {
 protected:
  const test_support::ProductTexts texts;
  std::string counter() { return platform::getSetting("Ombry", "nAboutQuillpostCount", "(absent)"); }
  // Opens the box as Help > About does and closes it with the close box.
  void openAndClose() {
    about::frmAbout box;
    box.Form_Load();
    box.show();
    box.close();
  }
  std::size_t quillpostQuestions() {
    std::size_t count = 0;
    for (const auto& box : handler_.dialogs().boxes()) count += box.title == "Quillpost" ? 1 : 0;
    return count;
  }

  test_support::ScriptedErrorHandler handler_{mb::No};
  test_support::MemorySettingsStore store_;
  test_support::RecordingMailTransport mail_;
};

// The contact lines are joined by CR alone, and each CR starts a line on
// screen; the links look like links.
TEST_F(AboutTest, ContactLinesBreakAtEachCRAndLinksLookClickable) {
  about::frmAbout box;
  box.Form_Load();
  EXPECT_EQ(about::companyContactLines().find('\n'), std::string::npos);
  EXPECT_EQ(control<QLabel>(box, "lblCompanyInfo").text(),
            "Ombry\nTel: +44 20 7946 0916\nFax: +44 20 7946 0917\nMSN Messenger: im@ombry.example");
  for (const char* link : {"lblWebSite", "lblEMail"}) {
    const auto& label = control<QLabel>(box, link);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255)) << link;
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor) << link;
  }
}

TEST_F(AboutTest, BugReportBoxFollowsAndStoresTheSetting) {
  for (const auto& [stored, ticked] : {std::pair{"", true}, std::pair{"Scopster v0.916", false}}) {
    store_.put("SendBugReports", stored);
    about::frmAbout box;
    box.Form_Load();
    auto& check = control<QCheckBox>(box, "chkSendBugReports");
    EXPECT_EQ(check.isChecked(), ticked);
    check.click();
    EXPECT_EQ(store_.value("SendBugReports"), ticked ? "Scopster v0.916" : "");
  }
}

TEST_F(AboutTest, ClosingCountsAndPromptsAtTheFixedClosings) {
  struct Case {
    const char* before;
    std::string after;
    bool prompted;
  };
  const Case cases[] = {{"(absent)", "1", false}, {"3", "4", false},     {"4", "5", true},   {"10", "11", true},
                        {"50", "51", true},       {"100", "101", true},  {"248", "249", false},
                        {"249", "250", true},     {"250", "250", false}, {"32766", "32766", false}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.before);
    if (std::string(test.before) != "(absent)") platform::saveSetting("Ombry", "nAboutQuillpostCount", test.before);
    const std::size_t questionsBefore = quillpostQuestions();
    const int writesBefore = store_.writes;
    openAndClose();
    EXPECT_EQ(counter(), test.after);
    EXPECT_EQ(quillpostQuestions() - questionsBefore, test.prompted ? 1u : 0u);
    if (test.after == test.before) {
      EXPECT_EQ(store_.writes, writesBefore) << "nothing written from 250 on";
    }
  }
  EXPECT_TRUE(mail_.sent.empty()) << "every prompt was answered No";
}

TEST_F(AboutTest, SubscribingWithTheButtonEndsThePrompts) {
  platform::saveSetting("Ombry", "nAboutQuillpostCount", "4");
  handler_.dialogs().queueAnswer(mb::Yes);
  about::frmAbout box;
  box.Form_Load();
  control<QPushButton>(box, "cmdQuillpost").click();
  ASSERT_EQ(handler_.boxCount(), 1u);
  EXPECT_EQ(handler_.prompt(0),
            "Would you like to subscribe to Ombry's free Quillpost?\r\n\r\nIt's sent by email about once a month.");
  EXPECT_EQ(handler_.dialogs().boxes()[0].style, mb::YesNo);
  ASSERT_EQ(mail_.sent.size(), 1u);
  EXPECT_EQ(mail_.sent[0].recipient, "QuillpostScopsterv0.916@ombry.example");
  EXPECT_EQ(mail_.sent[0].subject, "Quillpost List Scopster v0.916");
  EXPECT_EQ(mail_.sent[0].body, "Please add me to the Ombry Quillpost list.  Thank you.");
  EXPECT_EQ(counter(), "32766");
  box.show();
  box.close();
  EXPECT_EQ(counter(), "32766");
  EXPECT_EQ(handler_.boxCount(), 1u) << "no prompt after the subscription";
}

// Only a request that went out counts as a subscription; after a failed one
// the prompts come again at the next fixed closing.
TEST_F(AboutTest, FailedQuillpostRequestIsNoSubscription) {
  using Answer = test_support::RecordingMailTransport::Answer;
  for (const Answer answer : {Answer::Refuse, Answer::Throw}) {
    platform::saveSetting("Ombry", "nAboutQuillpostCount", "4");
    const std::size_t boxesBefore = handler_.boxCount();
    test_support::RecordingMailTransport failing(answer);
    handler_.dialogs().queueAnswer(mb::Yes);
    about::frmAbout box;
    box.Form_Load();
    control<QPushButton>(box, "cmdQuillpost").click();
    EXPECT_EQ(failing.sent.size(), 1u);
    ASSERT_EQ(handler_.boxCount() - boxesBefore, 2u);
    EXPECT_EQ(handler_.prompt(boxesBefore + 1), "Error occurred sending email");
    EXPECT_EQ(counter(), "4");
    box.show();
    box.close();
    EXPECT_EQ(counter(), "5");
    EXPECT_EQ(handler_.boxCount() - boxesBefore, 3u) << "the fifth closing asks again";
  }
}

TEST_F(AboutTest, EMailLinkSendsTheTrimmedTextUnlessCancelled) {
  about::frmAbout box;
  box.Form_Load();
  handler_.dialogs().queueText("  Hello Ombry  ");
  box.lblEMail_Click();
  box.lblEMail_Click();  // no text left in the script: cancelled
  ASSERT_EQ(mail_.sent.size(), 1u);
  EXPECT_EQ(mail_.sent[0].recipient, "Scopsterv0.916@ombry.example");
  EXPECT_EQ(mail_.sent[0].subject, " Scopster v0.916");
  EXPECT_EQ(mail_.sent[0].body, "Hello Ombry");
  EXPECT_EQ(handler_.dialogs().textCaptions(), (std::vector<std::string>{"EMail to Ombry", "EMail to Ombry"}));
}

// The offscreen desktop opens nothing, which is the shell's "no association".
TEST_F(AboutTest, WebLinkFailureIsTheShellExecuteError) {
  about::frmAbout box;
  box.Form_Load();
  handler_.dialogs().queueAnswer(mb::Ok);
  box.lblWebSite_Click();
  ASSERT_EQ(handler_.boxCount(), 1u);
  EXPECT_EQ(handler_.prompt(0), "Source: frmAbout.lblWebSite_Click.ShellExecute\r\n\r\nError 31 has occurred with ShellExecute");
}

TEST_F(AboutTest, SystemInfoWithoutAProgramSaysUnavailable) {
  const char* path = std::getenv("PATH");
  const std::string savedPath = path != nullptr ? path : "";
  const test_support::TempDir empty;
  setenv("PATH", empty.str().c_str(), 1);
  about::frmAbout box;
  box.Form_Load();
  control<QPushButton>(box, "cmdSysInfo").click();
  setenv("PATH", savedPath.c_str(), 1);
  ASSERT_EQ(handler_.boxCount(), 1u);
  EXPECT_EQ(handler_.prompt(0), "System Information Is Unavailable");
  EXPECT_EQ(handler_.dialogs().boxes()[0].style, 48);
  EXPECT_EQ(handler_.dialogs().boxes()[0].title, "Scopster v0.916");
}

}  // namespace
