#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

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
    const auto open = [this](std::string_view target) { opened_.emplace_back(target); return shellAnswer_; };
    const auto start = [this](const std::string& program) { opened_.push_back(program); return started_; };
    forms::frmAbout form(view_, {&handler_.dialogs(), open, [this] { return systemInformation_; }, start});
    form.Form_Load();
    return form;
  }
  std::size_t quillpostQuestions() {
    const auto& boxes = handler_.dialogs().boxes();
    return std::count_if(boxes.begin(), boxes.end(), [](const auto& box) { return box.title == "Quillpost"; });
  }

  const test_support::ProductTexts texts_;
  test_support::ScriptedErrorHandler handler_{mb::No};
  test_support::MemorySettingsStore store_;
  test_support::RecordingMailTransport mail_;
  AboutView view_;
  std::vector<std::string> opened_;
  std::int32_t shellAnswer_ = 42;
  std::optional<std::string> systemInformation_;
  bool started_ = true;
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
}

TEST_F(AboutTest, ClosingCountsAndPromptsAtTheFixedClosings) {
  // counter before, after, prompted
  const std::tuple<const char*, std::string, bool> cases[] = {
      {"(absent)", "1", false}, {"3", "4", false},     {"4", "5", true},      {"10", "11", true},
      {"50", "51", true},       {"100", "101", true},  {"248", "249", false}, {"249", "250", true},
      {"250", "250", false},    {"32766", "32766", false}};
  for (const auto& [before, after, prompted] : cases) {
    SCOPED_TRACE(before);
    if (std::string(before) != "(absent)") setCounter(before);
    const std::size_t questionsBefore = quillpostQuestions();
    const int writesBefore = store_.writes;
    loaded().Form_Unload();
    EXPECT_EQ(counter(), after);
    EXPECT_EQ(quillpostQuestions() - questionsBefore, prompted ? 1u : 0u);
    EXPECT_EQ(store_.writes == writesBefore, after == before) << "nothing written from 250 on";
  }
  EXPECT_TRUE(mail_.sent.empty()) << "every prompt was answered No";
}

// Only a request that went out counts as a subscription and ends the
// prompts; after a failed one they come again at the next fixed closing.
TEST_F(AboutTest, SubscribingWithTheButtonEndsThePromptsUnlessTheRequestFailed) {
  using Answer = test_support::RecordingMailTransport::Answer;
  for (const auto& [answer, kept] : {std::pair{Answer::Accept, "32766"}, {Answer::Refuse, "4"}, {Answer::Throw, "4"}}) {
    setCounter("4");
    const std::size_t boxesBefore = handler_.boxCount();
    test_support::RecordingMailTransport transport(answer);
    handler_.dialogs().queueAnswer(mb::Yes);
    forms::frmAbout form = loaded();
    form.cmdQuillpost_Click();
    EXPECT_EQ(handler_.prompt(boxesBefore),
              "Would you like to subscribe to Ombry's free Quillpost?\r\n\r\nIt's sent by email about once a month.");
    ASSERT_EQ(transport.sent.size(), 1u);
    EXPECT_EQ(transport.sent[0].recipient, "QuillpostScopsterv0.916@ombry.example");
    EXPECT_EQ(transport.sent[0].subject, "Quillpost List Scopster v0.916");
    EXPECT_EQ(transport.sent[0].body, "Please add me to the Ombry Quillpost list.  Thank you.");
    EXPECT_EQ(counter(), kept);
    form.Form_Unload();
    EXPECT_EQ(counter(), answer == Answer::Accept ? "32766" : "5");
    // A failure's one box, and the fifth closing's question again.
    ASSERT_EQ(handler_.boxCount() - boxesBefore, answer == Answer::Accept ? 1u : 3u);
    if (answer != Answer::Accept) {
      EXPECT_EQ(handler_.prompt(boxesBefore + 1), "Error occurred sending email");
    }
  }
}

TEST_F(AboutTest, EMailLinkSendsTheTrimmedTextUnlessCancelledOrBlank) {
  forms::frmAbout form = loaded();
  handler_.dialogs().queueText("  Hello Ombry  ");
  handler_.dialogs().queueText("  ");
  for (int click = 0; click < 3; ++click) form.lblEMail_Click();  // the third is cancelled
  ASSERT_EQ(mail_.sent.size(), 1u);
  EXPECT_EQ(mail_.sent[0].recipient, "Scopsterv0.916@ombry.example");
  EXPECT_EQ(mail_.sent[0].subject, " Scopster v0.916");
  EXPECT_EQ(mail_.sent[0].body, "Hello Ombry");
  EXPECT_EQ(handler_.dialogs().textCaptions(), std::vector<std::string>(3, "EMail to Ombry"));
}

// What the web link and System Info open, and the one box each failure shows.
TEST_F(AboutTest, WebLinkAndSystemInfoOpenTheirTargetsOrReportWhy) {
  const std::string webFailure = "Source: frmAbout.lblWebSite_Click.ShellExecute\r\n\r\nError ";
  // shell's answer (0: System Info), program found, started, what opened, the box ("" for none)
  const std::tuple<std::int32_t, std::optional<std::string>, bool, std::string, std::string> cases[] = {
      {33, std::nullopt, true, "https://www.ombry.example/", ""},
      {32, std::nullopt, true, "https://www.ombry.example/", webFailure + "32 has occurred with ShellExecute"},
      {0, "/usr/bin/hardinfo", true, "/usr/bin/hardinfo", ""},
      {0, "/usr/bin/hardinfo", false, "/usr/bin/hardinfo", "Source: frmAbout.mStartSysInfo.3\r\n\r\nFile not found"},
      {0, std::nullopt, true, "", "System Information Is Unavailable"},
  };
  for (const auto& [shellAnswer, program, started, opened, box] : cases) {
    SCOPED_TRACE(opened + box);
    std::tie(shellAnswer_, systemInformation_, started_) = std::tie(shellAnswer, program, started);
    opened_.clear();
    const std::size_t boxesBefore = handler_.boxCount();
    handler_.dialogs().queueAnswer(mb::Ok);
    shellAnswer != 0 ? loaded().lblWebSite_Click() : loaded().cmdSysInfo_Click();
    EXPECT_EQ(opened_, opened.empty() ? std::vector<std::string>{} : std::vector{opened});
    const std::size_t shown = handler_.boxCount() - boxesBefore;
    ASSERT_LE(shown, 1u);
    EXPECT_EQ(shown == 0 ? "" : handler_.prompt(boxesBefore).substr(0, box.size()), box);
  }
  EXPECT_EQ(handler_.dialogs().boxes().back().style, mb::OkOnly | mb::Exclamation);
  EXPECT_EQ(handler_.dialogs().boxes().back().title, "Scopster v0.916");
}

}  // namespace
