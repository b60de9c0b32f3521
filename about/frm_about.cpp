#include "about/frm_about.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <array>

#include "about/frm_multi_line_text.h"
#include "about/link_label.h"
#include "about/send_failure_watch.h"
#include "about/dialog_controls.h"
#include "widgets/twips_widget.h"
#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/send_email.h"
#include "platform/application_info.h"
#include "platform/qt/qt_text.h"
#include "platform/settings_store.h"
#include "utilities/general.h"
#include "platform/system_information.h"
#include "platform/system_services.h"
#include "runtime/vb_error.h"
#include "runtime/vb_numbers.h"

namespace {

using widgets::TwipsRect;
using platform::ApplicationInfo;

constexpr const char* kObjectName = "frmAbout";
constexpr TwipsRect kInnerArea{0, 0, 3960, 4275};
constexpr TwipsRect kIcon{240, 240, 480, 480};
constexpr TwipsRect kNameVersion{840, 240, 3045, 240};
constexpr TwipsRect kCopyright{840, 480, 2805, 240};
constexpr TwipsRect kCompanyInfo{840, 960, 2805, 810};
constexpr TwipsRect kEMailLbl{840, 1920, 495, 255};
constexpr TwipsRect kEMail{1320, 1920, 1605, 240};
constexpr TwipsRect kWebLbl{840, 2160, 495, 255};
constexpr TwipsRect kWebSite{1320, 2160, 1485, 210};
constexpr TwipsRect kQuillpost{480, 2760, 1245, 345};
constexpr TwipsRect kSysInfo{2160, 2760, 1245, 345};
constexpr TwipsRect kSendBugReports{600, 3240, 1575, 255};
constexpr TwipsRect kDisclaimer{120, 3720, 3735, 255};

// The counter lives in the maker's section, shared by the maker's programs.
constexpr std::string_view kCounterSection = "Ombry";
constexpr std::string_view kCounterKey = "nAboutQuillpostCount";
constexpr std::string_view kSubscribed = "32766";
constexpr std::int16_t kLastPromptClosing = 250;
constexpr std::array<std::int16_t, 5> kPromptClosings{5, 11, 51, 101, 250};

constexpr std::string_view kQuillpostQuestion =
    "Would you like to subscribe to Ombry's free Quillpost?\r\n\r\nIt's sent by email about once a month.";

diagnostics::Dialogs& installedDialogs() {
  diagnostics::Dialogs* dialogs = diagnostics::errorHandlerSetup().dialogs;
  if (dialogs == nullptr) throw vb::VbError::standard(91);
  return *dialogs;
}

QPixmap applicationIcon() {
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
  return icon.pixmap(32, 32);
}

// On screen a CR starts a new line, as it does in the label it stands for.
QString labelLines(const std::string& cp1252) {
  QString text = platform::qStringFromCp1252(cp1252);
  text.replace(u'\r', u'\n');
  return text;
}

}  // namespace

namespace about {

std::string companyContactLines() {
  std::string lines(ApplicationInfo::kCompanyName);
  lines.append("\rTel: ").append(ApplicationInfo::kTelephone);
  lines.append("\rFax: ").append(ApplicationInfo::kFax);
  return lines.append("\rMSN Messenger: ").append(ApplicationInfo::kMessenger);
}

bool isQuillpostPromptClosing(std::int16_t closing) {
  return std::find(kPromptClosings.begin(), kPromptClosings.end(), closing) != kPromptClosings.end();
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromLatin1(kObjectName));
  setModal(true);
  useDesignFont(*this);
  createControls();
  createLinks();
  placeControls();
}

void frmAbout::createControls() {
  imgICon_ = newLabel("imgICon", "", this);
  imgICon_->setPixmap(applicationIcon());
  imgICon_->setScaledContents(true);
  lblNameVersion_ = newLabel("lblNameVersion", "", this);
  lblCopyright_ = newLabel("lblCopyright", "", this);
  lblCopyright_->setText(platform::qStringFromCp1252(ApplicationInfo::kLegalCopyright));
  lblCompanyInfo_ = newLabel("lblCompanyInfo", "", this);
  lblEMailLbl_ = newLabel("lblEMailLbl", "EMail:", this);
  lblWebLbl_ = newLabel("lblWebLbl", "Web:", this);
  cmdQuillpost_ = newButton("cmdQuillpost", "&Quillpost", this);
  cmdSysInfo_ = newButton("cmdSysInfo", "&System Info", this);
  chkSendBugReports_ = new QCheckBox(QStringLiteral("Send &bug reports"), this);
  chkSendBugReports_->setObjectName(QStringLiteral("chkSendBugReports"));
  lblDisclaimer_ = newLabel("lblDisclaimer", "", this);
  lblDisclaimer_->setText(platform::qStringFromCp1252(ApplicationInfo::kDisclaimer));
  connect(cmdQuillpost_, &QPushButton::clicked, this, [this] { cmdQuillpost_Click(); });
  connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
  connect(chkSendBugReports_, &QCheckBox::clicked, this, [this] { chkSendBugReports_Click(); });
  setTabOrder(cmdQuillpost_, chkSendBugReports_);
  setTabOrder(chkSendBugReports_, cmdSysInfo_);
}

void frmAbout::createLinks() {
  lblEMail_ = new LinkLabel("lblEMail", this);
  lblEMail_->setText(platform::qStringFromCp1252(ApplicationInfo::kMailAddressShown));
  lblEMail_->onClick([this] { lblEMail_Click(); });
  lblWebSite_ = new LinkLabel("lblWebSite", this);
  lblWebSite_->setText(platform::qStringFromCp1252(ApplicationInfo::kWebAddressShown));
  lblWebSite_->onClick([this] { lblWebSite_Click(); });
}

void frmAbout::placeControls() {
  setFixedSize(widgets::pixelRect(kInnerArea, *this).size());
  placeTwipsControls();
  // The etched separator: grey, then white one pixel lower.
  newLine("linLine1", 0x808080, 90, 3840, 2565, this);
  newLine("Line1", 0xFFFFFF, 105, 3840, 2580, this);
}

// Again after load, when the captions it sets may need more room.
void frmAbout::placeTwipsControls() {
  const std::pair<QWidget*, TwipsRect> places[] = {
      {imgICon_, kIcon},           {lblNameVersion_, kNameVersion}, {lblCopyright_, kCopyright},
      {lblCompanyInfo_, kCompanyInfo}, {lblEMailLbl_, kEMailLbl},   {lblEMail_, kEMail},
      {lblWebLbl_, kWebLbl},       {lblWebSite_, kWebSite},         {cmdQuillpost_, kQuillpost},
      {cmdSysInfo_, kSysInfo},     {chkSendBugReports_, kSendBugReports}, {lblDisclaimer_, kDisclaimer}};
  for (const auto& [control, twips] : places) widgets::setTwipsGeometry(*control, twips);
}

void frmAbout::Form_Load() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_Load", bError};
  if (!trap.step(1, [&] {
        setWindowTitle(QStringLiteral("About ") + platform::qStringFromCp1252(ApplicationInfo::kProductName));
      }))
    return;
  if (!trap.step(2, [&] { lblNameVersion_->setText(platform::qStringFromCp1252(diagnostics::gsProductVersion)); }))
    return;
  if (!trap.step(4, [&] { lblCompanyInfo_->setText(labelLines(msCompanyNameTelFaxMSN(bError))); })) return;
  if (!trap.step(5, [&] { chkSendBugReports_->setChecked(diagnostics::gnGetSendBugReports() == 1); })) return;
  trap.step(6, [&] { placeTwipsControls(); });
}

std::string frmAbout::msCompanyNameTelFaxMSN(bool& bError) {
  diagnostics::ErrorTrap trap{kObjectName, "msCompanyNameTelFaxMSN", bError};
  std::string lines;
  trap.step(1, [&] { lines = companyContactLines(); });
  return lines;
}

void frmAbout::chkSendBugReports_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "chkSendBugReports_Click", bError};
  trap.step(1, [&] { diagnostics::gSaveSendBugReports(chkSendBugReports_->isChecked() ? 1 : 0); });
}

void frmAbout::cmdQuillpost_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "cmdQuillpost_Click", bError};
  int answer = diagnostics::msgbox::No;
  if (!trap.step(1, [&] { answer = installedDialogs().messageBox(kQuillpostQuestion, diagnostics::msgbox::YesNo, "Quillpost"); }))
    return;
  if (answer != diagnostics::msgbox::Yes) return;
  bool sent = false;
  if (!trap.step(2, [&] {
        SendFailureWatch watch;
        diagnostics::gSendEMail("Quillpost", "Quillpost List", "Please add me to the Ombry Quillpost list.  Thank you.");
        sent = !watch.sendFailed();
      }))
    return;
  // A request that never went out leaves the prompts to ask again.
  if (!sent) return;
  trap.step(3, [&] { platform::saveSetting(kCounterSection, kCounterKey, kSubscribed); });
}

void frmAbout::Form_Unload() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_Unload", bError};
  std::int16_t closing = 0;
  if (!trap.step(1, [&] { closing = vb::CInt(platform::getSetting(kCounterSection, kCounterKey, "0")); })) return;
  if (closing >= kLastPromptClosing) return;
  if (!trap.step(3, [&] { closing = vb::CInt(std::int64_t{closing} + 1); })) return;
  if (isQuillpostPromptClosing(closing)) cmdQuillpost_Click();
  trap.step(4, [&] { platform::saveSetting(kCounterSection, kCounterKey, std::to_string(closing)); });
}

void frmAbout::lblWebSite_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "lblWebSite_Click", bError};
  trap.step(1, [&] { utilities::raiseOnShellFailure(platform::openDocument(ApplicationInfo::kWebAddress)); });
}

void frmAbout::lblEMail_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "lblEMail_Click", bError};
  std::string text;
  if (!trap.step(1, [&] { text = gsMultiLineText("EMail to Ombry", bError); })) return;
  if (bError || text.empty()) return;
  trap.step(2, [&] { diagnostics::gSendEMail("", "", text); });
}

void frmAbout::cmdSysInfo_Click() {
  bool bError = false;
  mStartSysInfo(bError);
}

void frmAbout::mStartSysInfo(bool& bError) {
  diagnostics::ErrorTrap trap{kObjectName, "mStartSysInfo", bError};
  std::optional<std::string> program;
  if (!trap.step(1, [&] { program = platform::findSystemInformationProgram(); })) return;
  if (program) {
    trap.step(3, [&] {
      if (!platform::startSystemInformationProgram(*program)) throw vb::VbError::standard(vb::err::FileNotFound);
    });
    return;
  }
  trap.step(4, [&] {
    installedDialogs().messageBox("System Information Is Unavailable",
                                  diagnostics::msgbox::OkOnly | diagnostics::msgbox::Exclamation,
                                  diagnostics::gsMsgBoxTitle);
  });
}

void frmAbout::done(int result) {
  if (!unloaded_) {
    unloaded_ = true;
    Form_Unload();
  }
  QDialog::done(result);
}

void showAboutBox(QWidget* parent) {
  frmAbout box(parent);
  box.Form_Load();
  box.exec();
}

}  // namespace about
