#include "win32/splash_window.h"

#include <commctrl.h>

namespace win32 {

using Control = forms::SplashControl;

SplashWindow::SplashWindow() {
  createWindow({L"ScopsterSplash", WS_POPUP | WS_DLGFRAME, WS_EX_TOOLWINDOW, nullptr, nullptr, 0, 0});
  add(Control::fra1, WC_BUTTONW, BS_GROUPBOX);
  add(Control::imgLogo, WC_STATICW, SS_ICON | SS_CENTERIMAGE);
  for (const Control label : {Control::lblProductName, Control::lblCopyright, Control::lblComments})
    add(label, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX);
  // The warning takes two lines, broken between words.
  add(Control::lblWarning, WC_STATICW, SS_LEFT | SS_NOPREFIX);
  // The frame is drawn under the labels it holds.
  ::SetWindowPos(controlOf(Control::fra1), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  form_ = std::make_unique<forms::frmSplash>(*this);
}

SplashWindow::~SplashWindow() {
  if (logo_ != nullptr) ::DestroyIcon(logo_);
}

void SplashWindow::placeControl(Control which, const forms::TwipsRect& place) {
  if (which == Control::imgLogo) showLogo(place);
  if (which != Control::fra1) {
    DialogWindow::placeControl(which, place);
    return;
  }
  setPlaceOffset(0, 0);
  DialogWindow::placeControl(which, place);
  setPlaceOffset(place.left, place.top);
}

// The icon drawn at the logo's size, which is smaller than the icon's own.
void SplashWindow::showLogo(const forms::TwipsRect& place) {
  const int width = pixelsOf(place.width, handle());
  const int height = pixelsOf(place.height, handle());
  if (logo_ != nullptr && logoWidth_ == width && logoHeight_ == height) return;
  HICON made = static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
  if (made == nullptr) vb::raise(vb::err::OutOfMemory);
  ::SendMessageW(controlOf(Control::imgLogo), STM_SETICON, reinterpret_cast<WPARAM>(made), 0);
  if (logo_ != nullptr) ::DestroyIcon(logo_);
  logo_ = made;
  logoWidth_ = width;
  logoHeight_ = height;
}

void SplashWindow::showPainted() {
  centreOver(handle(), nullptr);
  ::ShowWindow(handle(), SW_SHOW);
  // Painted now: the pause that follows takes no messages.
  ::RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void SplashWindow::closeWindow() {
  if (handle() != nullptr) ::DestroyWindow(handle());
}

LRESULT SplashWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR) {
    form_->Form_KeyPress();
    return 0;
  }
  // A key typed in the window itself, with no control to take it.
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
  return FormWindow::handleMessage(message, wParam, lParam);
}

std::unique_ptr<forms::OpenedWindow> showSplash() {
  auto splash = std::make_unique<SplashWindow>();
  splash->form().Form_Load();
  return splash;
}

}  // namespace win32
