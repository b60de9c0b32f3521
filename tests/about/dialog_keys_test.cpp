// Keys, clicks and the close box on the real modal dialogs: Escape is Cancel
// in the text dialog and its close box keeps the text; the bug-report
// question has no default button, so Enter presses only the focused button.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <string>

#include "about/frm_about.h"
#include "about/frm_multi_line_text.h"
#include "about/frm_send_bug_report_yn.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

using test_support::control;
using test_support::whenModalShows;

TEST(DialogKeysTest, TextDialogKeepsTheTextOnEnterAndTheCloseBoxNotOnEscape) {
  enum class WayOut { CloseBox, EnterOnOK, Escape };
  const std::pair<WayOut, std::string> cases[] = {
      {WayOut::CloseBox, "  Caf\xE9\r\n\x80  "}, {WayOut::EnterOnOK, "  Caf\xE9\r\n\x80  "}, {WayOut::Escape, ""}};
  for (const auto& [wayOut, expected] : cases) {
    whenModalShows("frmMultiLineText", [wayOut](QWidget& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "EMail to Ombry");
      auto& box = control<QPlainTextEdit>(dialog, "txtMultiLineText");
      EXPECT_TRUE(box.toPlainText().isEmpty()) << "every call starts with a fresh dialog";
      box.insertPlainText(QString::fromUtf8("  Caf\u00e9\n\u20ac  "));
      auto& ok = control<QPushButton>(dialog, "cmdOK");
      if (wayOut == WayOut::CloseBox) dialog.close();
      if (wayOut == WayOut::EnterOnOK) {
        ok.setFocus();
        QTest::keyClick(&ok, Qt::Key_Return);
      }
      if (wayOut == WayOut::Escape) QTest::keyClick(&box, Qt::Key_Escape);
      if (dialog.isVisible()) control<QPushButton>(dialog, "cmdCancel").click();  // the key did nothing
    });
    EXPECT_EQ(about::showMultiLineText("EMail to Ombry", nullptr), expected) << static_cast<int>(wayOut);
  }
}

TEST(DialogKeysTest, EnterPressesOnlyTheFocusedButtonOfTheQuestion) {
  const test_support::ProductTexts texts{"Scopster v0.916", ""};
  test_support::MemorySettingsStore store;
  store.put("SendBugReports", "");
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
    whenModalShows("frmSendBugReportYN", [&test, &closed](QWidget& dialog) {
      EXPECT_FALSE(control<QCheckBox>(dialog, "chkDontAskMeAgain").isChecked());
      EXPECT_EQ(control<QWidget>(dialog, "cmdYes").nextInFocusChain(), &control<QWidget>(dialog, "cmdNo"));
      auto& focus = control<QWidget>(dialog, test.focus);
      focus.setFocus();
      QTest::keyClick(&focus, test.key, test.modifiers);
      closed = !dialog.isVisible();
      if (!closed) control<QPushButton>(dialog, "cmdNo").click();
    });
    EXPECT_EQ(about::askToSendBugReport(), test.yes);
    EXPECT_EQ(closed, test.closes);
    EXPECT_EQ(store.value("SendBugReports"), "") << "Enter never ticks the box";
  }
}

// The offscreen desktop opens nothing: the shell's "no association".
TEST(DialogKeysTest, AboutLinksLookClickableAndClicksReachTheForm) {
  const test_support::ProductTexts texts;
  test_support::ScriptedErrorHandler handler{diagnostics::msgbox::Ok};
  test_support::MemorySettingsStore store;
  store.put("SendBugReports", "");  // offered: the box starts ticked
  about::frmAbout box(handler.dialogs());
  box.form().Form_Load();
  for (const char* link : {"lblWebSite", "lblEMail"}) {
    const auto& label = control<QLabel>(box, link);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255)) << link;
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor) << link;
  }
  QTest::mouseClick(&control<QLabel>(box, "lblWebSite"), Qt::LeftButton);
  ASSERT_EQ(handler.boxCount(), 1u);
  EXPECT_EQ(handler.prompt(0),
            "Source: frmAbout.lblWebSite_Click.ShellExecute\r\n\r\nError 31 has occurred with ShellExecute");
  control<QCheckBox>(box, "chkSendBugReports").click();
  EXPECT_EQ(store.value("SendBugReports"), "Scopster v0.916");
}

}  // namespace
