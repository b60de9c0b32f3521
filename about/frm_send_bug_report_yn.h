#pragma once
// The question, after an Abort, whether to mail a bug report; its check box
// switches further questions off at once.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace about {

class frmSendBugReportYN : public QDialog {
 public:
  explicit frmSendBugReportYN(QWidget* parent = nullptr);

  // The answer, read after the dialog has closed: true only for Yes.
  bool gbYes = false;

  void cmdYes_Click();
  void cmdNo_Click();
  void chkDontAskMeAgain_Click();

 private:
  void createControls();
  void placeControls();

  QLabel* imgICon_ = nullptr;
  QLabel* lblLabel_ = nullptr;
  QPushButton* cmdYes_ = nullptr;
  QPushButton* cmdNo_ = nullptr;
  QCheckBox* chkDontAskMeAgain_ = nullptr;
};

// Shows a fresh question dialog modally; true when the user answered Yes.
bool askToSendBugReport(QWidget* parent = nullptr);

}  // namespace about
