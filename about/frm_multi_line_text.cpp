#include "about/frm_multi_line_text.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "about/dialog_controls.h"
#include "runtime/vb_error.h"

namespace about {

using forms::MultiLineTextControl;

frmMultiLineText::frmMultiLineText(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmMultiLineText"));
  setModal(true);
  useDesignFont(*this);
  txtMultiLineText_ = new QPlainTextEdit(this);
  txtMultiLineText_->setObjectName(QStringLiteral("txtMultiLineText"));
  txtMultiLineText_->setTabChangesFocus(true);
  cmdOK_ = newButton("cmdOK", this);
  cmdCancel_ = newButton("cmdCancel", this);
  form_ = std::make_unique<forms::frmMultiLineText>(static_cast<forms::MultiLineTextView&>(*this));
  connect(cmdOK_, &QPushButton::clicked, this, [this] { form_->cmdOK_Click(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { form_->cmdCancel_Click(); });
}

frmMultiLineText::~frmMultiLineText() = default;

QWidget& frmMultiLineText::control(MultiLineTextControl which) const {
  switch (which) {
    case MultiLineTextControl::txtMultiLineText: return *txtMultiLineText_;
    case MultiLineTextControl::cmdOK: return *cmdOK_;
    case MultiLineTextControl::cmdCancel: return *cmdCancel_;
  }
  vb::raise(vb::err::InvalidProcedureCall);
}

void frmMultiLineText::setTitle(std::string_view title) {
  setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

void frmMultiLineText::setClientSize(float width, float height) { about::setClientSize(*this, width, height); }

void frmMultiLineText::setCaption(MultiLineTextControl which, std::string_view caption) {
  about::setCaption(control(which), caption);
}

void frmMultiLineText::placeControl(MultiLineTextControl which, const forms::TwipsRect& place) {
  about::placeControl(control(which), place);
}

std::string frmMultiLineText::text() const { return txtMultiLineText_->toPlainText().toStdString(); }

void frmMultiLineText::closeDialog(bool accepted) {
  if (accepted) {
    accept();
  } else {
    reject();
  }
}

void frmMultiLineText::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    form_->cmdCancel_Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmMultiLineText::done(int result) {
  form_->Form_Unload();
  QDialog::done(result);
}

std::string showMultiLineText(std::string_view caption, QWidget* parent) {
  frmMultiLineText dialog(parent);
  dialog.form().setHeader(caption);
  dialog.exec();
  return dialog.form().text();
}

}  // namespace about
