#include "about/frm_about.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <utility>

#include "about/dialog_controls.h"
#include "about/link_label.h"
#include "platform/system_information.h"
#include "platform/system_services.h"

namespace about {

namespace {

using forms::AboutControl;

QPixmap applicationIcon() {
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
  return icon.pixmap(32, 32);
}

}  // namespace

frmAbout::frmAbout(diagnostics::Dialogs& dialogs, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setModal(true);
  useDesignFont(*this);
  createControls();
  createLinks();
  controls_[static_cast<std::size_t>(AboutControl::linLine1)] = newLine("linLine1", 0x808080, this);
  controls_[static_cast<std::size_t>(AboutControl::Line1)] = newLine("Line1", 0xFFFFFF, this);
  forms::AboutServices services{&dialogs, platform::openDocument,
                                [] { return platform::findSystemInformationProgram(); },
                                platform::startSystemInformationProgram};
  form_ = std::make_unique<forms::frmAbout>(static_cast<forms::AboutView&>(*this), std::move(services));
}

frmAbout::~frmAbout() = default;

void frmAbout::createControls() {
  auto* icon = newLabel("imgICon", this);
  icon->setPixmap(applicationIcon());
  icon->setScaledContents(true);
  // Made in this order, which is the dialog's stacking and focus order.
  const std::pair<AboutControl, QWidget*> made[] = {
      {AboutControl::imgICon, icon},
      {AboutControl::lblNameVersion, newLabel("lblNameVersion", this)},
      {AboutControl::lblCopyright, newLabel("lblCopyright", this)},
      {AboutControl::lblCompanyInfo, newLabel("lblCompanyInfo", this)},
      {AboutControl::lblEMailLbl, newLabel("lblEMailLbl", this)},
      {AboutControl::lblWebLbl, newLabel("lblWebLbl", this)},
      {AboutControl::cmdQuillpost, newButton("cmdQuillpost", this)},
      {AboutControl::cmdSysInfo, newButton("cmdSysInfo", this)},
      {AboutControl::chkSendBugReports, chkSendBugReports_ = new QCheckBox(this)},
      {AboutControl::lblDisclaimer, newLabel("lblDisclaimer", this)},
  };
  for (const auto& [which, widget] : made) controls_[static_cast<std::size_t>(which)] = widget;
  chkSendBugReports_->setObjectName(QStringLiteral("chkSendBugReports"));
  auto* cmdQuillpost = static_cast<QPushButton*>(&control(AboutControl::cmdQuillpost));
  auto* cmdSysInfo = static_cast<QPushButton*>(&control(AboutControl::cmdSysInfo));
  connect(cmdQuillpost, &QPushButton::clicked, this, [this] { form_->cmdQuillpost_Click(); });
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] { form_->cmdSysInfo_Click(); });
  connect(chkSendBugReports_, &QCheckBox::clicked, this, [this] { form_->chkSendBugReports_Click(); });
  setTabOrder(cmdQuillpost, chkSendBugReports_);
  setTabOrder(chkSendBugReports_, cmdSysInfo);
}

void frmAbout::createLinks() {
  auto* eMail = new LinkLabel("lblEMail", this);
  eMail->onClick([this] { form_->lblEMail_Click(); });
  auto* webSite = new LinkLabel("lblWebSite", this);
  webSite->onClick([this] { form_->lblWebSite_Click(); });
  controls_[static_cast<std::size_t>(AboutControl::lblEMail)] = eMail;
  controls_[static_cast<std::size_t>(AboutControl::lblWebSite)] = webSite;
}

QWidget& frmAbout::control(AboutControl which) const { return *controls_.at(static_cast<std::size_t>(which)); }

void frmAbout::setTitle(std::string_view title) {
  setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

void frmAbout::setClientSize(float width, float height) { about::setClientSize(*this, width, height); }

void frmAbout::setCaption(AboutControl which, std::string_view caption) { about::setCaption(control(which), caption); }

void frmAbout::placeControl(AboutControl which, const forms::TwipsRect& place) {
  about::placeControl(control(which), place);
}

std::int16_t frmAbout::sendBugReportsValue() const { return chkSendBugReports_->isChecked() ? 1 : 0; }

void frmAbout::setSendBugReportsValue(std::int16_t value) { chkSendBugReports_->setChecked(value == 1); }

void frmAbout::done(int result) {
  if (!unloaded_) {
    unloaded_ = true;
    form_->Form_Unload();
  }
  QDialog::done(result);
}

void showAboutBox(QWidget* parent, diagnostics::Dialogs& dialogs) {
  frmAbout box(dialogs, parent);
  box.form().Form_Load();
  box.exec();
}

}  // namespace about
