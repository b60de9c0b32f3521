#pragma once
// A top-level widget as the placement routines see it, in twips: the position
// of its frame, and its own size without the window manager's decorations.
// The decorations are unknown until the window is first shown (placement is
// restored before that), so a stored frame size would come back larger by
// them on every start; the size without them round-trips exactly.

#include <string>

#include "utilities/placement.h"

class QWidget;

namespace widgets {

class WidgetPlacement : public utilities::PlaceableWindow {
 public:
  explicit WidgetPlacement(QWidget& window) : window_(window) {}

  // The widget's objectName.
  std::string name() const override;
  // A minimised window reports the position the placement routines know as
  // "minimised", so that its place is not stored; a maximised one reports
  // the slightly negative place Windows gives it, which is stored but
  // refused at the next start.
  float left() const override;
  float top() const override;
  float width() const override;
  float height() const override;
  // Raises Invalid property value (380) for a negative size.
  void move(float left, float top, float width, float height) override;
  float screenWidth() const override;
  float screenHeight() const override;

 private:
  QWidget& window_;
};

}  // namespace widgets
