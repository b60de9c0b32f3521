#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/app_globals.h"
#include "forms/frm_about.h"
#include "platform/settings_store.h"
#include "tests/forms/recording_form_view.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/recording_mail_transport.h"
#include "tests/support/test_support.h"

namespace {

namespace mb = diagnostics::msgbox;
using Control = forms::AboutControl;

struct AboutView : test_support::RecordingFormView<forms::AboutView, Control> {
  std::int16_t sendBugReportsValue() const override { return ticked; }
  void setSendBugReportsValue(std::int16_t value) override { ticked = value; }
  std::int16_t ticked = -1;
};

class AboutTest : public ::testing::Test {
 protected:
  std::string counter() { return platform::getSetting("Ombry", "nAboutQuillpostCount", "(absent)"); }
  void setCounter(const char* value) { platform::saveSetting("Ombry", "nAboutQuillpostCount", value); }
  forms::frmAbout loaded() {
    forms::frmAbout form(view_, {[this](std::string_view address) {
                           opened_.emplace_back(address);
                           return shellAnswer_;
                         }});
    form.Form_Load();
    return form;
  }
  std::size_t quillpostQuestions() {
    std::size_t count = 0;
    for (const auto& box : handler_.dialogs().boxes()) count += box.title == "Quillpost" ? 1 : 0;
    return count;
  }

  const test_support::ProductTexts texts_;
  test_support::ScriptedErrorHandler handler_{mb::No};
  test_support::MemorySettingsStore store_;
  test_support::RecordingMailTransport mail_;
  AboutView view_;
  std::vector<std::string> opened_;
  std::int32_t shellAnswer_ = 42;
};

// The contact lines are joined by CR in the program and break on screen.
TEST_F(AboutTest, LoadShowsTheProductTheContactLinesAndTheBugReportSetting) {
  for (const auto& [stored, ticked] : {std::pair{"", 1}, std::pair{"Scopster v0.916", 0}}) {
    store_.put("SendBugReports", stored);
    forms::frmAbout form = loaded();
    EXPECT_EQ(view_.title, "About Scopster");
    EXPECT_EQ(view_.captions[Control::lblNameVersion], "Scopster v0.916");
    EXPECT_EQ(view_.captions[Control::lblCompanyInfo],
              "Ombry\nTel: +44 20 7946 0916\nFax: +44 20 7946 0917\nMSN Messenger: im@ombry.example");
    EXPECT_EQ(view_.ticked, ticked);
    view_.ticked = 1 - ticked;
    form.chkSendBugReports_Click();
    EXPECT_EQ(store_.value("SendBugReports"), ticked == 1 ? "Scopster v0.916" : "");
  }
  EXPECT_EQ(view_.places.size(), 14u);
  for (const auto& [control, place] : view_.places) {
    EXPECT_LE(place.left + place.width, view_.client.width) << int(control);
    EXPECT_LE(place.top + place.height, view_.client.height) << int(control);
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
    if (std::string(test.before) != "(absent)") setCounter(test.before);
    const std::size_t questionsBefore = quillpostQuestions();
    const int writesBefore = store_.writes;
    loaded().Form_Unload();
    EXPECT_EQ(counter(), test.after);
    EXPECT_EQ(quillpostQuestions() - questionsBefore, test.prompted ? 1u : 0u);
    if (test.after == test.before) {
      EXPECT_EQ(store_.writes, writesBefore) << "nothing written from 250 on";
    }
  }
  EXPECT_TRUE(mail_.sent.empty()) << "every prompt was answered No";
}

TEST_F(AboutTest, ACounterThatIsNoNumberIsReportedAndLeftAsItWas) {
  setCounter("many");
  handler_.dialogs().queueAnswer(mb::Abort);
  loaded().Form_Unload();
  ASSERT_EQ(handler_.boxCount(), 1u);
  EXPECT_NE(handler_.prompt(0).find("frmAbout.Form_Unload.1"), std::string::npos) << handler_.prompt(0);
  EXPECT_EQ(counter(), "many");
}

TEST_F(AboutTest, SubscribingWithTheButtonEndsThePrompts) {
  setCounter("4");
  handler_.dialogs().queueAnswer(mb::Yes);
  forms::frmAbout form = loaded();
  form.cmdQuillpost_Click();
  ASSERT_EQ(handler_.boxCount(), 1u);
  EXPECT_EQ(handler_.prompt(0),
            "Would you like to subscribe to Ombry's free Quillpost?\r\n\r\nIt's sent by email about once a month.");
  EXPECT_EQ(handler_.dialogs().boxes()[0].style, mb::YesNo);
  ASSERT_EQ(mail_.sent.size(), 1u);
  EXPECT_EQ(mail_.sent[0].recipient, "QuillpostScopsterv0.916@ombry.example");
  EXPECT_EQ(mail_.sent[0].subject, "Quillpost List Scopster v0.916");
  EXPECT_EQ(mail_.sent[0].body, "Please add me to the Ombry Quillpost list.  Thank you.");
  form.Form_Unload();
  EXPECT_EQ(counter(), "32766");
  EXPECT_EQ(handler_.boxCount(), 1u) << "no prompt after the subscription";
}

// Only a request that went out counts as a subscription; after a failed one
// the prompts come again at the next fixed closing.
TEST_F(AboutTest, FailedQuillpostRequestIsNoSubscription) {
  using Answer = test_support::RecordingMailTransport::Answer;
  for (const Answer answer : {Answer::Refuse, Answer::Throw}) {
    setCounter("4");
    const std::size_t boxesBefore = handler_.boxCount();
    test_support::RecordingMailTransport failing(answer);
    handler_.dialogs().queueAnswer(mb::Yes);
    forms::frmAbout form = loaded();
    form.cmdQuillpost_Click();
    EXPECT_EQ(failing.sent.size(), 1u);
    ASSERT_EQ(handler_.boxCount() - boxesBefore, 2u);
    EXPECT_EQ(handler_.prompt(boxesBefore + 1), "Error occurred sending email");
    EXPECT_EQ(counter(), "4");
    form.Form_Unload();
    EXPECT_EQ(counter(), "5");
    EXPECT_EQ(handler_.boxCount() - boxesBefore, 3u) << "the fifth closing asks again";
  }
}

TEST_F(AboutTest, EMailLinkSendsTheTrimmedTextUnlessCancelledOrBlank) {
  forms::frmAbout form = loaded();
  handler_.dialogs().queueText("  Hello Ombry  ");
  handler_.dialogs().queueText("  ");
  form.lblEMail_Click();
  form.lblEMail_Click();
  form.lblEMail_Click();  // no text left in the script: cancelled
  ASSERT_EQ(mail_.sent.size(), 1u);
  EXPECT_EQ(mail_.sent[0].recipient, "Scopsterv0.916@ombry.example");
  EXPECT_EQ(mail_.sent[0].subject, " Scopster v0.916");
  EXPECT_EQ(mail_.sent[0].body, "Hello Ombry");
  EXPECT_EQ(handler_.dialogs().textCaptions(), std::vector<std::string>(3, "EMail to Ombry"));
}

TEST_F(AboutTest, WebLinkOpensTheFullAddressAndReportsTheShellsFailure) {
  for (const std::int32_t answer : {33, 32, 2}) {
    shellAnswer_ = answer;
    const std::size_t boxesBefore = handler_.boxCount();
    handler_.dialogs().queueAnswer(mb::Ok);
    loaded().lblWebSite_Click();
    EXPECT_EQ(opened_.back(), "https://www.ombry.example/");
    if (answer > 32) {
      EXPECT_EQ(handler_.boxCount(), boxesBefore);
      continue;
    }
    ASSERT_EQ(handler_.boxCount(), boxesBefore + 1);
    EXPECT_EQ(handler_.prompt(boxesBefore), "Source: frmAbout.lblWebSite_Click.ShellExecute\r\n\r\nError " +
                                                std::to_string(answer) + " has occurred with ShellExecute");
  }
}

}  // namespace
