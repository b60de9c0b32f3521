#pragma once
// The splash window: product name and version, copyright, comments and a
// warning line, shown while the main window loads. Loading it builds
// gsProductVersion, which the rest of start-up copies.

#include "forms/splash_view.h"

namespace forms {

class frmSplash {
 public:
  // Gives the view its fixed captions and places.
  explicit frmSplash(SplashView& view);

  // Sets gsProductVersion and the labels, shows the window fully painted,
  // then blocks for the 400 ms pause.
  void Form_Load();
  // Any key that types a character (Escape and Enter included) unloads it.
  void Form_KeyPress();

 private:
  void placeControls();

  SplashView& view_;
};

}  // namespace forms
