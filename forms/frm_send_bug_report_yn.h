#pragma once
// The question, after an Abort, whether to mail a bug report; its check box
// switches further questions off at once.

#include "forms/send_bug_report_yn_view.h"

namespace forms {

class frmSendBugReportYN {
 public:
  // Gives the view its fixed captions, tips and places.
  explicit frmSendBugReportYN(SendBugReportYNView& view);

  // The answer, read after the dialog has closed: true only for Yes.
  bool gbYes = false;

  void cmdYes_Click();
  void cmdNo_Click();
  void chkDontAskMeAgain_Click();

 private:
  SendBugReportYNView& view_;
};

}  // namespace forms
