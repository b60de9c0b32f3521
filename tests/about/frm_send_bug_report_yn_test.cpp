#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <functional>
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

// Enter presses the button that has the focus, as Space does; the dialog has
// no default button, so Enter anywhere else presses nothing.
TEST_F(SendBugReportYNTest, EnterPressesOnlyTheFocusedButton) {
  struct Case {
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool closes;
    bool yes;
  };
  const Case cases[] = {
      {"cmdYes", Qt::Key_Return, Qt::NoModifier, true, true},
      {"cmdNo", Qt::Key_Enter, Qt::KeypadModifier, true, false},
      {"chkDontAskMeAgain", Qt::Key_Return, Qt::NoModifier, false, false},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.focus);
    bool closed = false;
    const bool yes = ask([&test, &closed](QWidget& dialog) {
      EXPECT_EQ(control<QWidget>(dialog, "cmdYes").nextInFocusChain(), &control<QWidget>(dialog, "cmdNo"));
      auto& focus = control<QWidget>(dialog, test.focus);
      focus.setFocus();
      QTest::keyClick(&focus, test.key, test.modifiers);
      closed = !dialog.isVisible();
      if (!closed) click(dialog, "cmdNo");
    });
    EXPECT_EQ(closed, test.closes);
    EXPECT_EQ(yes, test.yes);
    EXPECT_EQ(store_.value("SendBugReports"), "") << "Enter never ticks the box";
  }
}

}  // namespace
