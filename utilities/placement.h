#pragma once
// Keeps a window's position and size across runs in the settings store, under
// keys formed from the window's own name ("frmScopster.Left", ...).

#include <cstdint>
#include <string>

namespace utilities {

// A window as the placement routines see it. All values are in twips.
class PlaceableWindow {
 public:
  virtual ~PlaceableWindow() = default;
  virtual std::string name() const = 0;
  virtual float left() const = 0;
  virtual float top() const = 0;
  virtual float width() const = 0;
  virtual float height() const = 0;
  // One move to the given place and size; raises VbError when the window
  // system refuses the size.
  virtual void move(float left, float top, float width, float height) = 0;
  virtual float screenWidth() const = 0;
  virtual float screenHeight() const = 0;
};

// The left and top the window system gives a minimised window.
inline constexpr float kMinimisedPosition = -480000.0F;

// Moves the window to its stored place and size when the stored left and top
// lie on the screen; otherwise centres it at its current size.
void gGFormLeftEtcGetMove(PlaceableWindow& window, std::int32_t defaultLeft, std::int32_t defaultTop,
                          bool& bError);

// Stores the window's place and size; a minimised window stores nothing.
void gGFormLeftEtcSave(PlaceableWindow& window, bool& bError);

// A single-precision value as text the way the settings store keeps it:
// whole numbers without a decimal point, at most seven significant digits.
std::string singleText(float value);

}  // namespace utilities
