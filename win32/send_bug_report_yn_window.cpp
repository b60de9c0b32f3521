#include "win32/send_bug_report_yn_window.h"

#include <commctrl.h>

#include "win32/dialog_parts.h"

namespace win32 {

using Control = forms::SendBugReportYNControl;

SendBugReportYNWindow::SendBugReportYNWindow(HWND owner) : owner_(owner) {
  createWindow({L"ScopsterSendBugReportYN", kDialogStyle, kDialogExtendedStyle, owner, nullptr, 0, 0});
  // In the dialog's stacking and focus order.
  HWND icon = add(Control::imgICon, WC_STATICW, SS_ICON);
  ::SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(nullptr, IDI_QUESTION)), 0);
  add(Control::lblLabel, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX);
  add(Control::cmdYes, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON);
  add(Control::cmdNo, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON);
  add(Control::chkDontAskMeAgain, WC_BUTTONW, WS_TABSTOP | BS_AUTOCHECKBOX);
  add(Control::linLine1, WC_STATICW, SS_LEFT);
  add(Control::Line1, WC_STATICW, SS_LEFT);
  toolTip_ = newToolTip(handle());
  form_ = std::make_unique<forms::frmSendBugReportYN>(*this);
  ::SetFocus(controlOf(Control::cmdYes));
}

SendBugReportYNWindow::~SendBugReportYNWindow() = default;

void SendBugReportYNWindow::setToolTip(Control which, std::string_view tip) {
  addToolTip(toolTip_, handle(), controlOf(which), wideFromUtf8(tip));
}

std::int16_t SendBugReportYNWindow::dontAskMeAgainValue() const {
  return ::SendMessageW(controlOf(Control::chkDontAskMeAgain), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void SendBugReportYNWindow::closeDialog(bool) {
  closed_ = true;
  ::ShowWindow(handle(), SW_HIDE);
}

void SendBugReportYNWindow::showModal() { runModal(handle(), owner_, closed_); }

// Closing it by the window's own means is No, which needs no call; neither
// button answers Enter or Escape.
LRESULT SendBugReportYNWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    closeDialog(false);
    return 0;
  }
  if (message == WM_COMMAND) {
    if (HIWORD(wParam) == BN_CLICKED) {
      const int id = LOWORD(wParam);
      if (id == controlId(Control::cmdYes)) form_->cmdYes_Click();
      if (id == controlId(Control::cmdNo)) form_->cmdNo_Click();
      if (id == controlId(Control::chkDontAskMeAgain)) form_->chkDontAskMeAgain_Click();
    }
    return 0;
  }
  LRESULT brush = 0;
  if (paintSeparator(message, wParam, lParam, {control(controlId(Control::linLine1)), control(controlId(Control::Line1))},
                     brush))
    return brush;
  return FormWindow::handleMessage(message, wParam, lParam);
}

bool askToSendBugReport() {
  SendBugReportYNWindow dialog(::GetActiveWindow());
  dialog.showModal();
  return dialog.form().gbYes;
}

}  // namespace win32
