#pragma once
// Twips (1/1440 inch) are the unit of every position and size we keep; pixels
// exist only at the widget edge, at the screen's logical dpi.

namespace widgets {

inline constexpr double kTwipsPerInch = 1440.0;

// Both round to the nearest whole value and raise Overflow (6) when the result
// does not fit, Invalid procedure call (5) for a dpi that is not positive.
int twipsToPixels(float twips, double logicalDpi);
float pixelsToTwips(int pixels, double logicalDpi);

}  // namespace widgets
