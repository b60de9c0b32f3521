#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "about/frm_about.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

using test_support::control;

// The links look like links, and a click on one or on the check box reaches
// the form. The offscreen desktop opens nothing: the shell's "no association".
TEST(AboutTest, LinksLookClickableAndClicksReachTheForm) {
  const test_support::ProductTexts texts;
  test_support::ScriptedErrorHandler handler{diagnostics::msgbox::Ok};
  test_support::MemorySettingsStore store;
  store.put("SendBugReports", "");  // offered: the box starts ticked
  about::frmAbout box;
  box.form().Form_Load();
  for (const char* link : {"lblWebSite", "lblEMail"}) {
    const auto& label = control<QLabel>(box, link);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255)) << link;
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor) << link;
  }
  EXPECT_EQ(control<QLabel>(box, "lblCompanyInfo").text().count('\n'), 3);
  QTest::mouseClick(&control<QLabel>(box, "lblWebSite"), Qt::LeftButton);
  ASSERT_EQ(handler.boxCount(), 1u);
  EXPECT_EQ(handler.prompt(0), "Source: frmAbout.lblWebSite_Click.ShellExecute\r\n\r\nError 31 has occurred with ShellExecute");
  control<QCheckBox>(box, "chkSendBugReports").click();
  EXPECT_EQ(store.value("SendBugReports"), "Scopster v0.916");
}

}  // namespace
