#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>

#include <chrono>

#include "tests/support/modal_dialogs.h"

namespace {

using namespace std::chrono_literals;

TEST(ModalDialogsTest, ExpectedDialogIsAnswered) {
  test_support::whenModalShows<QDialog>("frmExpected", [](QDialog& dialog) { dialog.accept(); });
  QDialog dialog;
  dialog.setObjectName("frmExpected");
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(ModalDialogsTest, ADialogThatNeverComesFailsTheTest) {
  test_support::whenModalShows("frmNever", [](QWidget& widget) { widget.close(); });
  EXPECT_NONFATAL_FAILURE(test_support::failUnansweredDialogs(), "the dialog frmNever never showed");
  // Its pending poll sees that it was stopped and lets go of itself.
  QCoreApplication::processEvents();
}

// Another dialog in the way would keep the call waiting for ever: past the
// deadline it is closed and the test fails.
TEST(ModalDialogsTest, PastTheDeadlineTheDialogInTheWayIsClosed) {
  QDialog other;
  other.setObjectName("frmOther");
  test_support::whenModalShows<QDialog>("frmExpected", [](QDialog& dialog) { dialog.accept(); }, 0ms);
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(other.exec(), QDialog::Rejected),
                          "the dialog frmExpected never showed; frmOther showed instead");
}

}  // namespace
