#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <optional>
#include <string>

#include "about/frm_send_bug_report_yn.h"
#include "diagnostics/app_globals.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/product_texts.h"

namespace {

using test_support::control;
using test_support::whenModalShows;

class SendBugReportYNTest : public ::testing::Test {
 protected:
  void SetUp() override { store_.put("SendBugReports", ""); }
  const test_support::ProductTexts texts_{"Scopster v0.916", ""};
  // Shows the question, lets act answer it, and returns gbYes.
  bool ask(const std::function<void(QWidget&)>& act) {
    whenModalShows("frmSendBugReportYN", [this, act](QWidget& dialog) {
      startedUnticked_ = !control<QCheckBox>(dialog, "chkDontAskMeAgain").isChecked();
      act(dialog);
    });
    return about::askToSendBugReport();
  }
  static void click(QWidget& dialog, const char* name) { control<QAbstractButton>(dialog, name).click(); }

  test_support::MemorySettingsStore store_;
  bool startedUnticked_ = false;
};

TEST_F(SendBugReportYNTest, AnswersAndWhatTheTickStores) {
  struct Case {
    const char* what;
    std::vector<const char*> clicks;  // the last one closes, unless it is the tick
    bool closeBox;
    bool yes;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {"Yes", {"cmdYes"}, false, true, ""},
      {"No", {"cmdNo"}, false, false, ""},
      {"close box", {}, true, false, ""},
      {"tick, Yes", {"chkDontAskMeAgain", "cmdYes"}, false, true, "Scopster v0.916"},
      {"tick, No", {"chkDontAskMeAgain", "cmdNo"}, false, false, "Scopster v0.916"},
      {"tick, untick, close box", {"chkDontAskMeAgain", "chkDontAskMeAgain"}, true, false, ""},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    store_.put("SendBugReports", "");
    const bool yes = ask([&test](QWidget& dialog) {
      for (const char* name : test.clicks) click(dialog, name);
      if (test.closeBox) dialog.close();
    });
    EXPECT_EQ(yes, test.yes);
    EXPECT_TRUE(startedUnticked_);
    EXPECT_EQ(store_.value("SendBugReports"), test.stored);
  }
}

TEST_F(SendBugReportYNTest, ControlsTooltipsSeparatorAndTabOrder) {
  about::frmSendBugReportYN dialog;
  ASSERT_EQ(dialog.logicalDpiX(), 96) << "the pixels below are for 96 dpi";
  EXPECT_EQ(dialog.windowTitle(), "EMail bug report?");
  EXPECT_EQ(dialog.size(), QSize(309, 134));
  EXPECT_EQ(control<QLabel>(dialog, "lblLabel").text(), "Would you like to email Ombry a bug report?");
  // The two separator lines, one pixel apart.
  EXPECT_EQ(control<QWidget>(dialog, "linLine1").geometry(), QRect(16, 95, 274, 1));
  EXPECT_EQ(control<QWidget>(dialog, "Line1").geometry(), QRect(16, 96, 271, 1));
  for (const char* name : {"cmdYes", "cmdNo"}) {
    auto& button = control<QPushButton>(dialog, name);
    EXPECT_EQ(button.toolTip(), "Fire one burst");
    EXPECT_FALSE(button.isDefault() || button.autoDefault()) << "Enter presses neither";
  }
  EXPECT_EQ(control<QCheckBox>(dialog, "chkDontAskMeAgain").text(), "&Don't ask me again");
  auto& yes = control<QWidget>(dialog, "cmdYes");
  EXPECT_EQ(yes.nextInFocusChain(), &control<QWidget>(dialog, "cmdNo"));
  EXPECT_EQ(control<QWidget>(dialog, "cmdNo").nextInFocusChain(), &control<QWidget>(dialog, "chkDontAskMeAgain"));
}

}  // namespace
