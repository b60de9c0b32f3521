#include "about/frm_send_bug_report_yn.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <memory>
#include <utility>

#include "about/dialog_controls.h"

namespace about {

namespace {

using forms::SendBugReportYNControl;
constexpr unsigned kGrey = 0x808080;
constexpr unsigned kWhite = 0xFFFFFF;

}  // namespace

frmSendBugReportYN::frmSendBugReportYN(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmSendBugReportYN"));
  setModal(true);
  useDesignFont(*this);
  createControls();
  form_ = std::make_unique<forms::frmSendBugReportYN>(static_cast<forms::SendBugReportYNView&>(*this));
}

frmSendBugReportYN::~frmSendBugReportYN() = default;

void frmSendBugReportYN::createControls() {
  auto* icon = newLabel("imgICon", this);
  icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  // Made in this order, which is the dialog's stacking and focus order.
  const std::pair<SendBugReportYNControl, QWidget*> made[] = {
      {SendBugReportYNControl::imgICon, icon},
      {SendBugReportYNControl::lblLabel, newLabel("lblLabel", this)},
      {SendBugReportYNControl::cmdYes, newButton("cmdYes", this)},
      {SendBugReportYNControl::cmdNo, newButton("cmdNo", this)},
      {SendBugReportYNControl::chkDontAskMeAgain, chkDontAskMeAgain_ = new QCheckBox(this)},
      {SendBugReportYNControl::linLine1, newLine("linLine1", kGrey, this)},
      {SendBugReportYNControl::Line1, newLine("Line1", kWhite, this)},
  };
  for (const auto& [which, widget] : made) controls_[static_cast<std::size_t>(which)] = widget;
  chkDontAskMeAgain_->setObjectName(QStringLiteral("chkDontAskMeAgain"));
  auto* cmdYes = static_cast<QPushButton*>(&control(SendBugReportYNControl::cmdYes));
  auto* cmdNo = static_cast<QPushButton*>(&control(SendBugReportYNControl::cmdNo));
  connect(cmdYes, &QPushButton::clicked, this, [this] { form_->cmdYes_Click(); });
  connect(cmdNo, &QPushButton::clicked, this, [this] { form_->cmdNo_Click(); });
  connect(chkDontAskMeAgain_, &QCheckBox::clicked, this, [this] { form_->chkDontAskMeAgain_Click(); });
  setTabOrder(cmdYes, cmdNo);
  setTabOrder(cmdNo, chkDontAskMeAgain_);
  cmdYes->setFocus();
}

QWidget& frmSendBugReportYN::control(SendBugReportYNControl which) const {
  return *controls_.at(static_cast<std::size_t>(which));
}

void frmSendBugReportYN::setTitle(std::string_view title) {
  setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

void frmSendBugReportYN::setClientSize(float width, float height) { about::setClientSize(*this, width, height); }

void frmSendBugReportYN::setCaption(SendBugReportYNControl which, std::string_view caption) {
  about::setCaption(control(which), caption);
}

void frmSendBugReportYN::placeControl(SendBugReportYNControl which, const forms::TwipsRect& place) {
  about::placeControl(control(which), place);
}

void frmSendBugReportYN::setToolTip(SendBugReportYNControl which, std::string_view tip) {
  control(which).setToolTip(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
}

std::int16_t frmSendBugReportYN::dontAskMeAgainValue() const { return chkDontAskMeAgain_->isChecked() ? 1 : 0; }

void frmSendBugReportYN::closeDialog(bool yes) { done(yes ? Accepted : Rejected); }

bool askToSendBugReport(QWidget* parent) {
  frmSendBugReportYN dialog(parent);
  dialog.exec();
  return dialog.form().gbYes;
}

}  // namespace about
