#pragma once
// Twips (1/1440 inch) are the unit of every position and size a form keeps;
// pixels exist only at the toolkit's edge, at the window's dpi.

#include "forms/twips_rect.h"

namespace forms {

inline constexpr double kTwipsPerInch = 1440.0;

// Both round to the nearest whole value and raise Overflow (6) when the result
// does not fit, Invalid procedure call (5) for a dpi that is not positive.
int twipsToPixels(float twips, double logicalDpi);
float pixelsToTwips(int pixels, double logicalDpi);

// The fewest pixels that cover at least twips, so that a size raised to a
// minimum in twips is not rounded back below it.
int pixelsCovering(float twips, double logicalDpi);

// A rectangle in pixels: left, top, width, height.
struct PixelRect {
  int left, top, width, height;
};

// Converts the edges rather than the size, so that controls that meet in
// twips meet on screen too; every window places its controls by this rule.
PixelRect pixelRect(const TwipsRect& twips, double dpiX, double dpiY);

}  // namespace forms
