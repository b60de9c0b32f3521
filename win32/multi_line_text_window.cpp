#include "win32/multi_line_text_window.h"

#include <commctrl.h>

namespace win32 {

using forms::MultiLineTextControl;

MultiLineTextWindow::MultiLineTextWindow(HWND owner) : owner_(owner) {
  createWindow({L"ScopsterMultiLineText", kDialogStyle, kDialogExtendedStyle, owner, nullptr, 0, 0});
  add(MultiLineTextControl::txtMultiLineText, WC_EDITW,
      WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE);
  add(MultiLineTextControl::cmdOK, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON);
  add(MultiLineTextControl::cmdCancel, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON);
  form_ = std::make_unique<forms::frmMultiLineText>(*this);
  ::SetFocus(controlOf(MultiLineTextControl::txtMultiLineText));
}

MultiLineTextWindow::~MultiLineTextWindow() = default;

std::string MultiLineTextWindow::text() const {
  return utf8FromWide(windowText(controlOf(MultiLineTextControl::txtMultiLineText)));
}

void MultiLineTextWindow::closeDialog(bool) { close(); }

void MultiLineTextWindow::showModal() { runModal(handle(), owner_, closed_); }

// OK, Cancel and the close box all come here; the form hears of it once.
void MultiLineTextWindow::close() {
  if (!unloaded_) {
    unloaded_ = true;
    form_->Form_Unload();
  }
  closed_ = true;
  ::ShowWindow(handle(), SW_HIDE);
}

LRESULT MultiLineTextWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    close();
    return 0;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    const int id = LOWORD(wParam);
    if (id == controlId(MultiLineTextControl::cmdOK)) form_->cmdOK_Click();
    // Escape is Cancel.
    if (id == controlId(MultiLineTextControl::cmdCancel) || id == IDCANCEL) form_->cmdCancel_Click();
    return 0;
  }
  return FormWindow::handleMessage(message, wParam, lParam);
}

std::string showMultiLineText(std::string_view caption) {
  MultiLineTextWindow dialog(::GetActiveWindow());
  dialog.form().setHeader(caption);
  dialog.showModal();
  return dialog.form().text();
}

}  // namespace win32
