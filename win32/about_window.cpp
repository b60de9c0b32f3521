#include "win32/about_window.h"

#include <commctrl.h>

#include "win32/dialog_parts.h"

namespace win32 {

using Control = forms::AboutControl;

namespace {

// The links are drawn in pure blue.
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

}  // namespace

AboutWindow::AboutWindow(HWND owner, forms::AboutServices services) : owner_(owner) {
  createWindow({L"ScopsterAbout", kDialogStyle, kDialogExtendedStyle, owner, nullptr, 0, 0});
  HWND icon = add(Control::imgICon, WC_STATICW, SS_ICON);
  ::SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1))),
                 0);
  for (const Control label : {Control::lblNameVersion, Control::lblCopyright, Control::lblCompanyInfo,
                              Control::lblEMailLbl})
    add(label, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX);
  add(Control::lblEMail, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY);
  add(Control::lblWebLbl, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX);
  add(Control::lblWebSite, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY);
  add(Control::cmdQuillpost, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON);
  add(Control::cmdSysInfo, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON);
  add(Control::chkSendBugReports, WC_BUTTONW, WS_TABSTOP | BS_AUTOCHECKBOX);
  add(Control::lblDisclaimer, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX);
  add(Control::linLine1, WC_STATICW, SS_LEFT);
  add(Control::Line1, WC_STATICW, SS_LEFT);
  form_ = std::make_unique<forms::frmAbout>(*this, std::move(services));
}

AboutWindow::~AboutWindow() = default;

std::int16_t AboutWindow::sendBugReportsValue() const {
  return ::SendMessageW(controlOf(Control::chkSendBugReports), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void AboutWindow::setSendBugReportsValue(std::int16_t value) {
  if (value != 0 && value != 1) vb::raise(vb::err::InvalidPropertyValue);
  ::SendMessageW(controlOf(Control::chkSendBugReports), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void AboutWindow::showModal() { runModal(handle(), owner_, closed_); }

bool AboutWindow::isLink(HWND control) const {
  return control != nullptr &&
         (control == this->control(controlId(Control::lblEMail)) || control == this->control(controlId(Control::lblWebSite)));
}

// The box has no OK button: it closes through its close box, and the form
// hears of it once.
LRESULT AboutWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (!unloaded_) {
        unloaded_ = true;
        form_->Form_Unload();
      }
      closed_ = true;
      ::ShowWindow(handle(), SW_HIDE);
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SETCURSOR:
      if (!isLink(reinterpret_cast<HWND>(wParam))) break;
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      if (!isLink(reinterpret_cast<HWND>(lParam))) break;
      ::SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    default:
      break;
  }
  LRESULT brush = 0;
  if (paintSeparator(message, wParam, lParam, {control(controlId(Control::linLine1)), control(controlId(Control::Line1))},
                     brush))
    return brush;
  return FormWindow::handleMessage(message, wParam, lParam);
}

void AboutWindow::onCommand(int id, int notification) {
  if (notification == STN_CLICKED && id == controlId(Control::lblWebSite)) form_->lblWebSite_Click();
  if (notification == STN_CLICKED && id == controlId(Control::lblEMail)) form_->lblEMail_Click();
  if (notification != BN_CLICKED) return;
  if (id == controlId(Control::cmdQuillpost)) form_->cmdQuillpost_Click();
  if (id == controlId(Control::cmdSysInfo)) form_->cmdSysInfo_Click();
  if (id == controlId(Control::chkSendBugReports)) form_->chkSendBugReports_Click();
}

void showAboutBox(forms::AboutServices services) {
  AboutWindow box(::GetActiveWindow(), std::move(services));
  box.form().Form_Load();
  box.showModal();
}

}  // namespace win32
