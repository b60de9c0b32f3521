#pragma once
// Waits until a shown window is on screen and painted. Show and repaint are
// not enough under X11: the window manager maps the window later, and a
// paint before the window is exposed reaches no pixel. A busy pause started
// before then leaves the desktop showing where the window should be.

#include <chrono>

class QWidget;

namespace widgets {

// Processes events (other than user input, which waits for the event loop)
// until window has been exposed and painted after that, or limit has passed.
// Returns whether it was painted.
bool waitUntilPainted(QWidget& window, std::chrono::milliseconds limit);

}  // namespace widgets
