#include "about/frm_send_bug_report_yn.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <iostream>

#include "about/dialog_controls.h"
#include "widgets/twips_widget.h"
#include "diagnostics/send_email.h"
#include "runtime/vb_error.h"

namespace {

using widgets::TwipsRect;

constexpr TwipsRect kInnerArea{0, 0, 4635, 2010};
constexpr TwipsRect kIcon{120, 120, 480, 480};
constexpr TwipsRect kLabel{840, 240, 3255, 255};
constexpr TwipsRect kYes{960, 720, 1095, 375};
constexpr TwipsRect kNo{2400, 720, 1095, 375};
constexpr TwipsRect kDontAsk{2640, 1560, 1695, 255};
constexpr unsigned kGrey = 0x808080;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr const char* kTooltip = "Fire one burst";

}  // namespace

namespace about {

frmSendBugReportYN::frmSendBugReportYN(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmSendBugReportYN"));
  setWindowTitle(QStringLiteral("EMail bug report?"));
  setModal(true);
  useDesignFont(*this);
  createControls();
  placeControls();
}

void frmSendBugReportYN::createControls() {
  imgICon_ = newLabel("imgICon", "", this);
  imgICon_->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  lblLabel_ = newLabel("lblLabel", "Would you like to email Ombry a bug report?", this);
  cmdYes_ = newButton("cmdYes", "&Yes", this);
  cmdNo_ = newButton("cmdNo", "&No", this);
  for (QPushButton* button : {cmdYes_, cmdNo_}) button->setToolTip(QString::fromLatin1(kTooltip));
  chkDontAskMeAgain_ = new QCheckBox(QStringLiteral("&Don't ask me again"), this);
  chkDontAskMeAgain_->setObjectName(QStringLiteral("chkDontAskMeAgain"));
  connect(cmdYes_, &QPushButton::clicked, this, [this] { cmdYes_Click(); });
  connect(cmdNo_, &QPushButton::clicked, this, [this] { cmdNo_Click(); });
  connect(chkDontAskMeAgain_, &QCheckBox::clicked, this, [this] { chkDontAskMeAgain_Click(); });
  setTabOrder(cmdYes_, cmdNo_);
  setTabOrder(cmdNo_, chkDontAskMeAgain_);
  cmdYes_->setFocus();
}

void frmSendBugReportYN::placeControls() {
  setFixedSize(widgets::pixelRect(kInnerArea, *this).size());
  widgets::setTwipsGeometry(*imgICon_, kIcon);
  widgets::setTwipsGeometry(*lblLabel_, kLabel);
  widgets::setTwipsGeometry(*cmdYes_, kYes);
  widgets::setTwipsGeometry(*cmdNo_, kNo);
  widgets::setTwipsGeometry(*chkDontAskMeAgain_, kDontAsk);
  // The etched separator: grey, then white one pixel lower.
  newLine("linLine1", kGrey, 240, 4350, 1425, this);
  newLine("Line1", kWhite, 240, 4305, 1440, this);
}

void frmSendBugReportYN::cmdYes_Click() {
  gbYes = true;
  close();
}

void frmSendBugReportYN::cmdNo_Click() { close(); }

// This dialog runs inside the error handler, so a failure to store the
// setting cannot be reported through it again; it goes to standard error.
void frmSendBugReportYN::chkDontAskMeAgain_Click() {
  try {
    diagnostics::gSaveSendBugReports(chkDontAskMeAgain_->isChecked() ? 0 : 1);
  } catch (const vb::VbError& failure) {
    std::cerr << "Scopster: the bug-report setting could not be stored (" << failure.description() << ")\n";
  }
}

bool askToSendBugReport(QWidget* parent) {
  frmSendBugReportYN dialog(parent);
  dialog.exec();
  return dialog.gbYes;
}

}  // namespace about
