#pragma once
// What every small dialog's view offers its form logic: a title, an inner
// size, and captions and places of its controls, named by the form's own
// enumeration. Texts are UTF-8 ("\n" starts a new line); sizes and places are
// twips, counted from the inner area's corner or, for a control inside a
// frame, from the frame's.

#include <string_view>

#include "forms/twips_rect.h"

namespace forms {

template <typename Control>
class FormView {
 public:
  virtual ~FormView() = default;

  virtual void setTitle(std::string_view title) = 0;
  virtual void setClientSize(float width, float height) = 0;
  // A label's text, a button's or check box's caption.
  virtual void setCaption(Control control, std::string_view caption) = 0;
  // A line control gets a height of 0: it runs from left to left + width, one
  // pixel thick.
  virtual void placeControl(Control control, const TwipsRect& place) = 0;
};

}  // namespace forms
