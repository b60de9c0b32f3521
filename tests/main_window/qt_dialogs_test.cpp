#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>

#include "main_window/qt_dialogs.h"
#include "runtime/vb_error.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/test_support.h"

// Failures show texts rather than UTF-16 code units.
static void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace {

namespace mb = diagnostics::msgbox;
using main_window::QtDialogs;
using test_support::whenModalShows;

void expectInvalidCall(const std::function<void()>& call, const char* what) {
  EXPECT_EQ(test_support::raisedVbError(call), vb::err::InvalidProcedureCall) << what;
}

TEST(QtDialogsTest, StylesWithoutAShapeAreRefused) {
  expectInvalidCall([] { main_window::messageBoxShape(1); }, "OK/Cancel");
  expectInvalidCall([] { main_window::messageBoxShape(16); }, "the critical icon");
}

TEST(QtDialogsTest, PromptAndFilterConversion) {
  EXPECT_EQ(main_window::messageBoxText("Source: a.b.0\r\n\r\ncaf\xE9\r\x80"),
            QString::fromUtf8("Source: a.b.0\n\ncaf\u00e9\n\u20ac"));
  const std::pair<std::string, QString> filters[] = {
      {"", ""},
      {"All Files|*.*", "All Files (*.*)"},
      {"Visual Basic Projects (*.vbp)|*.vbp", "Visual Basic Projects (*.vbp)"},
      {"Forms|*.frm|Sources|*.frm;*.bas", "Forms (*.frm);;Sources (*.frm *.bas)"},
  };
  for (const auto& [filter, qt] : filters) EXPECT_EQ(main_window::qtFileFilter(filter), qt) << filter;
  expectInvalidCall([] { main_window::qtFileFilter("A|*.a|B"); }, "a type without pattern");
}

// The box's push buttons, left to right as shown.
QList<QPushButton*> buttonsLeftToRight(QMessageBox* box) {
  QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
  std::sort(buttons.begin(), buttons.end(), [box](QPushButton* a, QPushButton* b) {
    return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
  });
  return buttons;
}

TEST(QtDialogsTest, ErrorBoxShowsAbortRetryIgnoreInOrderAndAnswersWithTheButtonOrAbortWhenEscaped) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  const auto press = [](int position) {
    return [position](QMessageBox* box) { buttonsLeftToRight(box).at(position)->click(); };
  };
  const std::pair<std::function<void(QMessageBox*)>, int> cases[] = {
      {press(0), mb::Abort},
      {press(1), mb::Retry},
      {press(2), mb::Ignore},
      {[&](QMessageBox* box) { QApplication::sendEvent(box, &escape); }, mb::Abort},
      {[](QMessageBox* box) { box->close(); }, mb::Abort},
  };
  for (const auto& [leave, answer] : cases) {
    QStringList seen;
    whenModalShows<QMessageBox>(nullptr, [&, leave = leave](QMessageBox& modal) {
      QMessageBox* box = &modal;
      seen << box->windowTitle() << box->text() << box->defaultButton()->text();
      for (const QPushButton* button : buttonsLeftToRight(box)) seen << button->text();
      leave(box);
    });
    EXPECT_EQ(QtDialogs().messageBox("Source: a.b.3\r\n\r\nOverflow", 306, "Error!"), answer);
    EXPECT_EQ(seen, (QStringList{"Error!", "Source: a.b.3\n\nOverflow", "&Retry", "&Abort", "&Retry", "&Ignore"}));
  }
}

TEST(QtDialogsTest, OtherBoxesKeepTheirButtonsDefaultAndWayOut) {
  struct Case {
    int style;
    QStringList buttons;
    QString defaultButton;
    int escaped;
  };
  const Case cases[] = {
      {48, {"OK"}, "OK", mb::Ok},
      {mb::YesNo, {"&Yes", "&No"}, "&Yes", mb::No},
      {mb::YesNo + mb::DefaultButton2, {"&Yes", "&No"}, "&No", mb::No},
      {mb::AbortRetryIgnore + 0x300, {"&Abort", "&Retry", "&Ignore"}, "&Abort", mb::Abort},  // no fourth button
  };
  for (const Case& c : cases) {
    QStringList buttons;
    QString defaultButton;
    whenModalShows<QMessageBox>(nullptr, [&](QMessageBox& box) {
      for (const QPushButton* button : buttonsLeftToRight(&box)) buttons << button->text();
      defaultButton = box.defaultButton()->text();
      box.close();
    });
    EXPECT_EQ(QtDialogs().messageBox("Prompt", c.style, "Title"), c.escaped) << c.style;
    EXPECT_EQ(buttons, c.buttons) << c.style;
    EXPECT_EQ(defaultButton, c.defaultButton) << c.style;
  }
}

TEST(QtDialogsTest, FileDialogReturnsTheChosenFileOrTheGivenNameOnCancel) {
  test_support::TempDir dir;
  const auto project = dir.write("\u0141\u00F3d\u017A/App.vbp", "Type=Exe\r\n");  // not in Windows-1252
  const QString folder = QString::fromStdString(project.parent_path().string());
  const diagnostics::FileOpenRequest request{"Source file", "Visual Basic Projects (*.vbp)|*.vbp",
                                             "*.vbp", folder.toStdString(), 4108};
  const QString currentBefore = QDir::currentPath();
  for (const bool choose : {true, false}) {
    QStringList seen;
    whenModalShows<QFileDialog>(nullptr, [&](QFileDialog& modal) {
      QFileDialog* dialog = &modal;
      seen << dialog->windowTitle() << dialog->directory().absolutePath()
           << dialog->nameFilters() << QString::number(dialog->fileMode());
      if (choose) dialog->selectFile(QString::fromStdString(project.string()));
      choose ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
    });
    EXPECT_EQ(QtDialogs().openFile(request),
              choose ? project.string() : std::string("*.vbp"));
    EXPECT_EQ(seen, (QStringList{"Source file", folder, "Visual Basic Projects (*.vbp)",
                                 QString::number(QFileDialog::ExistingFile)}));
    EXPECT_EQ(QDir::currentPath(), currentBefore);
  }
}

}  // namespace
