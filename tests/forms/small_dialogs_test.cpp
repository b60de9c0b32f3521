// The bug-report question and the multi-line text dialog, driven through
// recording views.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "forms/frm_multi_line_text.h"
#include "forms/frm_send_bug_report_yn.h"
#include "tests/forms/recording_form_view.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

using YNControl = forms::SendBugReportYNControl;
using TextControl = forms::MultiLineTextControl;

struct YNView : test_support::RecordingFormView<forms::SendBugReportYNView, YNControl> {
  void setToolTip(YNControl, std::string_view) override {}
  std::int16_t dontAskMeAgainValue() const override { return ticked; }
  void closeDialog(bool yes) override { closings.push_back(yes); }
  std::int16_t ticked = 0;
  std::vector<bool> closings;
};

struct TextView : test_support::RecordingFormView<forms::MultiLineTextView, TextControl> {
  std::string text() const override { return typed; }
  void closeDialog(bool accepted) override { closings.push_back(accepted); }
  std::string typed;
  std::vector<bool> closings;
};

class SmallDialogsTest : public ::testing::Test {
 protected:
  test_support::ScriptedErrorHandler handler_;
  test_support::MemorySettingsStore store_;
};

TEST_F(SmallDialogsTest, BugReportQuestionAnswersAndStoresTheTickAtOnce) {
  const test_support::ProductTexts texts;
  YNView view;
  forms::frmSendBugReportYN form(view);
  for (const auto& [ticked, stored] : {std::pair{1, "Scopster v0.916"}, {0, ""}}) {
    view.ticked = static_cast<std::int16_t>(ticked);
    form.chkDontAskMeAgain_Click();
    EXPECT_EQ(store_.value("SendBugReports"), stored);
  }
  EXPECT_TRUE(view.closings.empty()) << "the tick leaves the dialog open";
  form.cmdNo_Click();
  EXPECT_FALSE(form.gbYes);
  form.cmdYes_Click();
  EXPECT_TRUE(form.gbYes);
  EXPECT_EQ(view.closings, (std::vector<bool>{false, true}));
}

TEST_F(SmallDialogsTest, MultiLineTextKeepsTheTextUnlessCancelled) {
  // typed (UTF-8, as the text box holds it), cancelled, kept (Windows-1252)
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"  Dear Ombry,\nthanks.  ", false, "  Dear Ombry,\r\nthanks.  "},
      {"one\r\ntwo\n", false, "one\r\ntwo\r\n"},
      {"typed", true, ""},
  };
  for (const auto& [typed, cancel, kept] : cases) {
    SCOPED_TRACE(typed);
    TextView view;
    forms::frmMultiLineText form(view);
    view.typed = typed;
    cancel ? form.cmdCancel_Click() : form.cmdOK_Click();
    form.Form_Unload();  // as the view does on closing, the close box's way too
    EXPECT_EQ(form.text(), kept);
    EXPECT_EQ(view.closings, std::vector<bool>{!cancel});
  }
}

}  // namespace
