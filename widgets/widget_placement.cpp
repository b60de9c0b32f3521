#include "widgets/widget_placement.h"

#include <QScreen>
#include <QWidget>

#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"
#include "widgets/twips_widget.h"

namespace widgets {

namespace {

// Where Windows puts a maximised window: its 4-pixel border hangs off the
// screen's corner. The next start refuses such a place and opens the window
// centred at its design size, not over the whole screen.
constexpr float kMaximisedPosition = -60.0F;

QRect screenGeometry(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) vb::raise(vb::err::InvalidPropertyValue);
  return screen->geometry();
}

}  // namespace

std::string WidgetPlacement::name() const { return platform::cp1252FromQString(window_.objectName()); }

float WidgetPlacement::left() const {
  if (window_.isMinimized()) return utilities::kMinimisedPosition;
  if (window_.isMaximized()) return kMaximisedPosition;
  return twipsX(window_.frameGeometry().x(), window_);
}

float WidgetPlacement::top() const {
  if (window_.isMinimized()) return utilities::kMinimisedPosition;
  if (window_.isMaximized()) return kMaximisedPosition;
  return twipsY(window_.frameGeometry().y(), window_);
}

float WidgetPlacement::width() const { return twipsX(window_.width(), window_); }

float WidgetPlacement::height() const { return twipsY(window_.height(), window_); }

// A top-level widget's move places its frame.
void WidgetPlacement::move(float left, float top, float width, float height) {
  if (width < 0 || height < 0) vb::raise(vb::err::InvalidPropertyValue);
  const QRect place = pixelRect({left, top, width, height}, window_);
  window_.move(place.topLeft());
  window_.resize(place.size());
}

float WidgetPlacement::screenWidth() const { return twipsX(screenGeometry(window_).width(), window_); }

float WidgetPlacement::screenHeight() const { return twipsY(screenGeometry(window_).height(), window_); }

}  // namespace widgets
