// No caption of any window is cut: each labelled control is at least as wide
// and as tall as its caption in the font it has, at the design size and, for
// the sizable main window, at its minimum size too.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <memory>
#include <string>

#include "about/frm_about.h"
#include "about/frm_multi_line_text.h"
#include "about/frm_send_bug_report_yn.h"
#include "about/splash.h"
#include "diagnostics/app_globals.h"
#include "forms/frm_scopster.h"
#include "main_window/scopster_window.h"
#include "main_window/window_services.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"
#include "widgets/eliding_label.h"

namespace {

std::string nameOf(const QWidget& control) { return control.objectName().toStdString(); }

void expectLabelFits(const QLabel& label, const std::string& where) {
  const QRect room = label.contentsRect();
  const QFontMetrics metrics = label.fontMetrics();
  if (label.wordWrap()) {
    EXPECT_LE(label.heightForWidth(label.width()), label.height()) << where << nameOf(label);
    return;
  }
  const QSize text = metrics.size(Qt::TextShowMnemonic, label.text());
  EXPECT_LE(text.width(), room.width()) << where << nameOf(label);
  EXPECT_LE(text.height(), room.height()) << where << nameOf(label);
}

void expectButtonFits(const QAbstractButton& button, const std::string& where) {
  const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
  EXPECT_LT(text.width(), button.width()) << where << nameOf(button);
  EXPECT_LT(text.height(), button.height()) << where << nameOf(button);
  if (qobject_cast<const QCheckBox*>(&button) != nullptr) {  // with its indicator
    EXPECT_LE(button.sizeHint().width(), button.width()) << where << nameOf(button);
  }
}

// Every captioned control of window; returns how many were checked.
int expectCaptionsFit(const QWidget& window, const std::string& where) {
  int checked = 0;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || dynamic_cast<const widgets::ElidingLabel*>(label) != nullptr) continue;
    expectLabelFits(*label, where);
    ++checked;
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty()) continue;
    expectButtonFits(*button, where);
    ++checked;
  }
  return checked;
}

class CaptionsTest : public ::testing::Test {
 protected:
  const test_support::ProductTexts texts{"Scopster v0.916", ""};
  test_support::ScriptedErrorHandler errors;
  test_support::MemorySettingsStore settings;
};

TEST_F(CaptionsTest, DialogsShowTheirWholeCaptions) {
  about::frmAbout aboutBox(errors.dialogs());
  aboutBox.form().Form_Load();
  EXPECT_GE(expectCaptionsFit(aboutBox, "frmAbout "), 8);
  about::frmMultiLineText multiLineText;
  EXPECT_GE(expectCaptionsFit(multiLineText, "frmMultiLineText "), 2);
  about::frmSendBugReportYN bugReport;
  EXPECT_GE(expectCaptionsFit(bugReport, "frmSendBugReportYN "), 4);
  QPointer<about::frmSplash> splash = about::showSplash();
  ASSERT_TRUE(splash);
  EXPECT_GE(expectCaptionsFit(*splash, "frmSplash "), 4);
  splash->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(CaptionsTest, TheMainWindowShowsItsCaptionsAtTheDesignAndTheMinimumSize) {
  main_window::ScopsterWindow window;
  forms::frmScopster form(window.view(), main_window::windowServices(window, errors.dialogs()));
  window.attach(form);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* runTime = window.findChild<QLabel*>("lblRunTime");
  runTime->setText("Run Time: 00:00:01  File: 32767/32767");
  EXPECT_GE(expectCaptionsFit(window, "design "), 5);
  window.resize(50, 50);
  QCoreApplication::processEvents();
  EXPECT_GE(expectCaptionsFit(window, "minimum "), 5);
  EXPECT_LE(window.findChild<QWidget*>("lblSource")->geometry().right(), window.findChild<QWidget*>("txtSource")->x());
  const QRect processing = window.findChild<QWidget*>("lblProcessing")->geometry();
  EXPECT_LT(processing.right(), window.findChild<QWidget*>("lblSourceFile")->x());
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(CaptionsTest, ProgressLabelsKeepBothEndsOfALongPath) {
  main_window::ScopsterWindow window;
  forms::frmScopster form(window.view(), main_window::windowServices(window, errors.dialogs()));
  window.attach(form);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QString path = QStringLiteral("C:\\Projects\\") + QString(40, 'x') + QStringLiteral("\\Modules\\modLast.bas");
  for (const char* name : {"lblSourceFile", "lblPublic", "lblSearchFile"}) {
    auto* label = window.findChild<widgets::ElidingLabel*>(name);
    ASSERT_NE(label, nullptr) << name;
    label->setText(path);
    const QString shown = label->shownText();
    EXPECT_TRUE(shown.startsWith("C:\\Pro")) << name << " " << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("modLast.bas")) << name << " " << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << name;
    EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width()) << name;
    EXPECT_LE(label->fontMetrics().height(), label->height()) << name;
    EXPECT_EQ(label->text(), path) << name;
    label->setText("a.bas");
    EXPECT_EQ(label->shownText(), "a.bas") << name;
  }
}

}  // namespace
