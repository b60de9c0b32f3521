#pragma once
// A control's place in twips, as the form designer gives it: the left and top
// edges and the size, all single precision like the form's own values.

namespace forms {

struct TwipsRect {
  float left, top, width, height;
};

}  // namespace forms
