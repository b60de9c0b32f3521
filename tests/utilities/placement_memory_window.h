#pragma once
// A window in memory on a 1280 x 720 pixel screen; like the window system it
// refuses a negative size.

#include <string>

#include "runtime/vb_error.h"
#include "utilities/placement.h"

namespace test_support {

struct WindowRect {
  float left, top, width, height;
  bool operator==(const WindowRect&) const = default;
};

class MemoryWindow : public utilities::PlaceableWindow {
 public:
  explicit MemoryWindow(WindowRect rect) : rect_(rect) {}
  std::string name() const override { return "frmScopster"; }
  float left() const override { return rect_.left; }
  float top() const override { return rect_.top; }
  float width() const override { return rect_.width; }
  float height() const override { return rect_.height; }
  float screenWidth() const override { return 19200; }
  float screenHeight() const override { return 10800; }
  void move(float left, float top, float width, float height) override {
    if (width < 0 || height < 0) vb::raise(vb::err::InvalidPropertyValue);
    rect_ = {left, top, width, height};
  }
  const WindowRect& rect() const { return rect_; }

 private:
  WindowRect rect_;
};

}  // namespace test_support
