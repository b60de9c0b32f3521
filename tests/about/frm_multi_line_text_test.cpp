#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <string>

#include "about/frm_multi_line_text.h"
#include "forms/frm_multi_line_text.h"
#include "main_window/qt_dialogs.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/test_support.h"

namespace {

using test_support::control;
using test_support::whenModalShows;

enum class WayOut { OK, Cancel, CloseBox, EnterOnOK, Escape };

// The error handler's dialogs are the real Qt ones, as in the application.
class MultiLineTextTest : public ::testing::Test {
 protected:
  MultiLineTextTest() {
    diagnostics::ErrorHandlerSetup setup = diagnostics::errorHandlerSetup();
    setup.dialogs = &dialogs_;
    diagnostics::installErrorHandler(setup);
  }

  // Types text into the dialog that gsMultiLineText shows and leaves it.
  std::string typeAndLeave(const QString& text, WayOut wayOut) {
    whenModalShows("frmMultiLineText", [this, text, wayOut](QWidget& dialog) {
      caption_ = dialog.windowTitle();
      auto& box = control<QPlainTextEdit>(dialog, "txtMultiLineText");
      startedEmpty_ = box.toPlainText().isEmpty();
      box.insertPlainText(text);
      if (wayOut == WayOut::OK) control<QPushButton>(dialog, "cmdOK").click();
      if (wayOut == WayOut::Cancel) control<QPushButton>(dialog, "cmdCancel").click();
      if (wayOut == WayOut::CloseBox) dialog.close();
      if (wayOut == WayOut::EnterOnOK) {
        control<QPushButton>(dialog, "cmdOK").setFocus();
        QTest::keyClick(&control<QPushButton>(dialog, "cmdOK"), Qt::Key_Return);
      }
      if (wayOut == WayOut::Escape) QTest::keyClick(&box, Qt::Key_Escape);
      if (dialog.isVisible()) control<QPushButton>(dialog, "cmdCancel").click();  // the key did nothing
    });
    bool obError = false;
    std::string result = forms::gsMultiLineText("EMail to Ombry", obError);
    EXPECT_FALSE(obError);
    return result;
  }

  test_support::ScriptedErrorHandler handler_;
  main_window::QtDialogs dialogs_;
  QString caption_;
  bool startedEmpty_ = false;
};

TEST_F(MultiLineTextTest, OkAndCloseBoxKeepTheTrimmedTextCancelAndEscapeDiscardIt) {
  struct Case {
    QString typed;
    WayOut wayOut;
    std::string expected;
  };
  const Case cases[] = {
      {"  Dear Ombry,\nthanks.  ", WayOut::CloseBox, "Dear Ombry,\r\nthanks."},
      {"  Dear Ombry,\nthanks.  ", WayOut::Cancel, ""},
      {"  Dear Ombry,\nthanks.  ", WayOut::EnterOnOK, "Dear Ombry,\r\nthanks."},
      {"  Dear Ombry,\nthanks.  ", WayOut::Escape, ""},
      {QString::fromUtf8("Caf\u00e9 \u20ac"), WayOut::OK, "Caf\xE9 \x80"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.typed.toStdString());
    EXPECT_EQ(typeAndLeave(test.typed, test.wayOut), test.expected);
    EXPECT_EQ(caption_, "EMail to Ombry");
    EXPECT_TRUE(startedEmpty_) << "every call starts with a fresh dialog";
  }
}

}  // namespace
