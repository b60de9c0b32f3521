#include "about/frm_multi_line_text.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "about/dialog_controls.h"
#include "widgets/twips_widget.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"
#include "utilities/general.h"

namespace {

using widgets::TwipsRect;

constexpr const char* kObjectName = "frmMultiLineText";
constexpr TwipsRect kInnerArea{0, 0, 4125, 3060};
constexpr TwipsRect kTextBox{240, 120, 3615, 2055};
constexpr TwipsRect kOK{1200, 2400, 1125, 345};
constexpr TwipsRect kCancel{2520, 2400, 1125, 345};

diagnostics::Dialogs& installedDialogs() {
  diagnostics::Dialogs* dialogs = diagnostics::errorHandlerSetup().dialogs;
  if (dialogs == nullptr) throw vb::VbError::standard(91);
  return *dialogs;
}

}  // namespace

namespace about {

frmMultiLineText::frmMultiLineText(QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromLatin1(kObjectName));
  setModal(true);
  useDesignFont(*this);
  createControls();
  placeControls();
}

void frmMultiLineText::createControls() {
  txtMultiLineText_ = new QPlainTextEdit(this);
  txtMultiLineText_->setObjectName(QStringLiteral("txtMultiLineText"));
  txtMultiLineText_->setTabChangesFocus(true);
  cmdOK_ = newButton("cmdOK", "&OK", this);
  cmdCancel_ = newButton("cmdCancel", "&Cancel", this);
  connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmMultiLineText::placeControls() {
  setFixedSize(widgets::pixelRect(kInnerArea, *this).size());
  widgets::setTwipsGeometry(*txtMultiLineText_, kTextBox);
  widgets::setTwipsGeometry(*cmdOK_, kOK);
  widgets::setTwipsGeometry(*cmdCancel_, kCancel);
}

void frmMultiLineText::cmdOK_Click() { accept(); }

void frmMultiLineText::cmdCancel_Click() {
  mbCancel = true;
  reject();
}

void frmMultiLineText::Form_Unload() {
  if (mbCancel) return;
  // The text box's line breaks are CR LF, as the mail and the rest of the
  // program expect.
  QString typed = txtMultiLineText_->toPlainText();
  typed.replace(u'\n', QStringLiteral("\r\n"));
  msText = platform::cp1252FromQString(typed);
}

void frmMultiLineText::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    cmdCancel_Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmMultiLineText::done(int result) {
  Form_Unload();
  QDialog::done(result);
}

std::string showMultiLineText(std::string_view caption, QWidget* parent) {
  frmMultiLineText dialog(parent);
  dialog.setWindowTitle(platform::qStringFromCp1252(caption));
  dialog.exec();
  return dialog.text();
}

std::string gsMultiLineText(std::string_view isHeader, bool& obError) {
  diagnostics::ErrorTrap trap{kObjectName, "gsMultiLineText", obError};
  std::string typed;
  std::string result;
  if (!trap.step(2, [&] { typed = installedDialogs().multiLineText(isHeader); })) return result;
  trap.step(3, [&] { result = utilities::gsGTrim(typed, obError); });
  return result;
}

}  // namespace about
