#pragma once
// The names a desktop matches Scopster's windows with its menu entry: the
// desktop entry's file name (the Wayland app id) and the X11 window class,
// which the entry names as its StartupWMClass.

#include <string_view>

namespace main_window {

// packaging/<kDesktopFileName>.desktop
inline constexpr std::string_view kDesktopFileName = "example.ombry.Scopster";

// Names the running application (its window class) and its desktop entry, and
// gives it its icon. Called once the application object exists.
void identifyApplication();

}  // namespace main_window
