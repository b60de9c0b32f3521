#pragma once
// The About box: product, version and the maker's details, with the web and
// e-mail links, the newsletter, the system-information program and the
// bug-report switch. It prompts for the newsletter now and then on closing.

#include <QDialog>

#include <cstdint>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace about {

class LinkLabel;

class frmAbout : public QDialog {
 public:
  explicit frmAbout(QWidget* parent = nullptr);

  void Form_Load();
  void Form_Unload();
  void chkSendBugReports_Click();
  void cmdQuillpost_Click();
  void cmdSysInfo_Click();
  void lblWebSite_Click();
  void lblEMail_Click();

  // Closing by any means ends here, once.
  void done(int result) override;

 private:
  void createControls();
  void createLinks();
  void placeControls();
  void placeTwipsControls();
  void mStartSysInfo(bool& bError);
  std::string msCompanyNameTelFaxMSN(bool& bError);

  QLabel* imgICon_ = nullptr;
  QLabel* lblNameVersion_ = nullptr;
  QLabel* lblCopyright_ = nullptr;
  QLabel* lblCompanyInfo_ = nullptr;
  QLabel* lblEMailLbl_ = nullptr;
  LinkLabel* lblEMail_ = nullptr;
  QLabel* lblWebLbl_ = nullptr;
  LinkLabel* lblWebSite_ = nullptr;
  QPushButton* cmdQuillpost_ = nullptr;
  QPushButton* cmdSysInfo_ = nullptr;
  QCheckBox* chkSendBugReports_ = nullptr;
  QLabel* lblDisclaimer_ = nullptr;
  bool unloaded_ = false;
};

// The contact lines, joined by CR alone.
std::string companyContactLines();
// The closings at which the newsletter prompt comes.
bool isQuillpostPromptClosing(std::int16_t closing);

// Loads a fresh About box and shows it modally.
void showAboutBox(QWidget* parent);

}  // namespace about
