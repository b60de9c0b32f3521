// The bug-report question, the multi-line text dialog and the splash window,
// driven through recording views.

#include <gtest/gtest.h>

#include <string>

#include "diagnostics/app_globals.h"
#include "forms/frm_multi_line_text.h"
#include "forms/frm_send_bug_report_yn.h"
#include "forms/frm_splash.h"
#include "tests/forms/recording_form_view.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

using YNControl = forms::SendBugReportYNControl;
using TextControl = forms::MultiLineTextControl;
using SplashControl = forms::SplashControl;

struct YNView : test_support::RecordingFormView<forms::SendBugReportYNView, YNControl> {
  void setToolTip(YNControl control, std::string_view tip) override { tips[control] = tip; }
  std::int16_t dontAskMeAgainValue() const override { return ticked; }
  void closeDialog(bool yes) override { closings.push_back(yes); }
  std::map<YNControl, std::string> tips;
  std::int16_t ticked = 0;
  std::vector<bool> closings;
};

struct TextView : test_support::RecordingFormView<forms::MultiLineTextView, TextControl> {
  std::string text() const override { return typed; }
  void closeDialog(bool accepted) override { closings.push_back(accepted); }
  std::string typed;
  std::vector<bool> closings;
};

struct SplashView : test_support::RecordingFormView<forms::SplashView, SplashControl> {
  void showPainted() override { events.push_back("shown"); }
  void closeWindow() override { events.push_back("closed"); }
};

// Every control the form places lies inside the window's inner area, or for
// the splash's labels, inside its frame.
template <typename View>
void expectPlacedInside(const View& view, const forms::TwipsRect& area, std::size_t count) {
  EXPECT_EQ(view.places.size(), count);
  for (const auto& [control, place] : view.places) {
    EXPECT_GE(place.left, 0) << int(control);
    EXPECT_GE(place.top, 0) << int(control);
    EXPECT_LE(place.left + place.width, area.width) << int(control);
    EXPECT_LE(place.top + place.height, area.height) << int(control);
  }
}

class SmallDialogsTest : public ::testing::Test {
 protected:
  test_support::ScriptedErrorHandler handler_;
  test_support::MemorySettingsStore store_;
};

TEST_F(SmallDialogsTest, BugReportQuestionAnswersAndStoresTheTickAtOnce) {
  const test_support::ProductTexts texts;
  YNView view;
  forms::frmSendBugReportYN form(view);
  EXPECT_EQ(view.title, "EMail bug report?");
  EXPECT_EQ(view.tips[YNControl::cmdNo], "Fire one burst");
  expectPlacedInside(view, view.client, 7);
  view.ticked = 1;
  form.chkDontAskMeAgain_Click();
  EXPECT_EQ(store_.value("SendBugReports"), "Scopster v0.916");
  view.ticked = 0;
  form.chkDontAskMeAgain_Click();
  EXPECT_EQ(store_.value("SendBugReports"), "");
  EXPECT_TRUE(view.closings.empty()) << "the tick leaves the dialog open";
  EXPECT_FALSE(form.gbYes);
  form.cmdNo_Click();
  EXPECT_FALSE(form.gbYes);
  form.cmdYes_Click();
  EXPECT_TRUE(form.gbYes);
  EXPECT_EQ(view.closings, (std::vector<bool>{false, true}));
}

TEST_F(SmallDialogsTest, MultiLineTextKeepsTheTextUnlessCancelled) {
  struct Case {
    const char* typed;  // UTF-8, as the text box holds it
    bool cancel;
    const char* kept;   // Windows-1252, CR LF
  };
  const Case cases[] = {
      {"  Dear Ombry,\nthanks.  ", false, "  Dear Ombry,\r\nthanks.  "},
      {"one\r\ntwo\n", false, "one\r\ntwo\r\n"},
      {"Caf\xC3\xA9 \xE2\x82\xAC", false, "Caf\xE9 \x80"},
      {"typed", true, ""},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.typed);
    TextView view;
    forms::frmMultiLineText form(view);
    form.setHeader("Caf\xE9");
    EXPECT_EQ(view.title, "Caf\xC3\xA9");
    expectPlacedInside(view, view.client, 3);
    view.typed = test.typed;
    test.cancel ? form.cmdCancel_Click() : form.cmdOK_Click();
    form.Form_Unload();  // as the view does on closing, the close box's way too
    EXPECT_EQ(form.text(), test.kept);
    EXPECT_EQ(view.closings, std::vector<bool>{!test.cancel});
  }
}

TEST_F(SmallDialogsTest, AskingForATextTrimsBlanksAndNulsAtTheEndsOnly) {
  handler_.dialogs().queueText(std::string("\0  \r\nline  \0", 12));
  handler_.dialogs().queueText("   ");
  bool obError = false;
  EXPECT_EQ(forms::gsMultiLineText("EMail to Ombry", obError), "\r\nline");
  EXPECT_EQ(forms::gsMultiLineText("EMail to Ombry", obError), "");
  EXPECT_EQ(forms::gsMultiLineText("EMail to Ombry", obError), "") << "cancelled";
  EXPECT_FALSE(obError);
  EXPECT_EQ(handler_.boxCount(), 0u);
}

TEST_F(SmallDialogsTest, SplashSetsTheVersionAndItsLabelsBeforeItIsShownAndClosesOnAKey) {
  const test_support::ProductTexts texts("", "");
  SplashView view;
  forms::frmSplash form(view);
  view.events.clear();
  form.Form_Load();
  EXPECT_EQ(diagnostics::gsProductVersion, "Scopster v0.916");
  EXPECT_EQ(view.captions[SplashControl::lblProductName], "Scopster v0.916");
  EXPECT_EQ(view.captions[SplashControl::lblComments], "Freeware");
  EXPECT_EQ(view.captions[SplashControl::lblCopyright], "Copyright (C) Ombry");
  ASSERT_FALSE(view.events.empty());
  EXPECT_EQ(view.events.front(), "caption Scopster v0.916");
  EXPECT_EQ(view.events.back(), "shown") << "placed again after the captions, then shown";
  EXPECT_EQ(view.events.at(view.events.size() - 2), "place");
  expectPlacedInside(view, view.client, 6);
  form.Form_KeyPress();
  EXPECT_EQ(view.events.back(), "closed");
  EXPECT_EQ(handler_.boxCount(), 0u);
}

}  // namespace
