#pragma once
// The splash window on Win32: the view of forms::frmSplash.

#include <memory>
#include <string_view>

#include "forms/frm_scopster.h"
#include "forms/frm_splash.h"
#include "forms/splash_view.h"
#include "win32/dialog_window.h"

namespace win32 {

class SplashWindow : public DialogWindow<forms::SplashView, forms::SplashControl>, public forms::OpenedWindow {
 public:
  SplashWindow();
  ~SplashWindow() override;

  forms::frmSplash& form() { return *form_; }
  std::string_view formName() const override { return "frmSplash"; }
  // The labels and the logo are placed from the frame's corner.
  void placeControl(forms::SplashControl control, const forms::TwipsRect& place) override;
  void showPainted() override;
  void closeWindow() override;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void showLogo(const forms::TwipsRect& place);

  std::unique_ptr<forms::frmSplash> form_;
  HICON logo_ = nullptr;
  int logoWidth_ = 0;
  int logoHeight_ = 0;
};

// Loads the splash window and shows it; the caller closes it.
std::unique_ptr<forms::OpenedWindow> showSplash();

}  // namespace win32
