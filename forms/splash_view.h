#pragma once
// The splash window as its form logic (forms::frmSplash) sees it. A view
// forwards a key that types a character to Form_KeyPress.

#include <cstdint>

#include "forms/form_view.h"

namespace forms {

// The labels and the logo sit inside fra1 and are placed from its corner.
enum class SplashControl : std::uint8_t {
  fra1,
  imgLogo,
  lblProductName,
  lblCopyright,
  lblComments,
  lblWarning,
};

class SplashView : public FormView<SplashControl> {
 public:
  // Shows the window and returns once it is painted on screen, or once a
  // window system that never shows it has had a bounded time to.
  virtual void showPainted() = 0;
  // Unloads the window; it may already be closed.
  virtual void closeWindow() = 0;
};

}  // namespace forms
