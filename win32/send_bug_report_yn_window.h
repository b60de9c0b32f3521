#pragma once
// The bug-report question on Win32: the view of forms::frmSendBugReportYN.

#include <memory>
#include <string_view>

#include "forms/frm_send_bug_report_yn.h"
#include "forms/send_bug_report_yn_view.h"
#include "win32/dialog_window.h"

namespace win32 {

class SendBugReportYNWindow
    : public DialogWindow<forms::SendBugReportYNView, forms::SendBugReportYNControl> {
 public:
  explicit SendBugReportYNWindow(HWND owner);
  ~SendBugReportYNWindow() override;

  forms::frmSendBugReportYN& form() { return *form_; }
  std::string_view formName() const override { return "frmSendBugReportYN"; }
  void setToolTip(forms::SendBugReportYNControl control, std::string_view tip) override;
  std::int16_t dontAskMeAgainValue() const override;
  void closeDialog(bool yes) override;
  void showModal();

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND owner_;
  HWND toolTip_ = nullptr;
  std::unique_ptr<forms::frmSendBugReportYN> form_;
  bool closed_ = false;
};

// Asks over the active window; true only for Yes.
bool askToSendBugReport();

}  // namespace win32
