#include "forms/twips.h"

#include <cmath>
#include <limits>

#include "runtime/vb_error.h"

namespace forms {

namespace {

double twipsPerPixel(double logicalDpi) {
  if (!(logicalDpi > 0.0) || !std::isfinite(logicalDpi)) vb::raise(vb::err::InvalidProcedureCall);
  return kTwipsPerInch / logicalDpi;
}

}  // namespace

int twipsToPixels(float twips, double logicalDpi) {
  const double pixels = std::round(static_cast<double>(twips) / twipsPerPixel(logicalDpi));
  if (!std::isfinite(pixels) || pixels < std::numeric_limits<int>::min() ||
      pixels > std::numeric_limits<int>::max())
    vb::raise(vb::err::Overflow);
  return static_cast<int>(pixels);
}

float pixelsToTwips(int pixels, double logicalDpi) {
  const double twips = std::round(pixels * twipsPerPixel(logicalDpi));
  if (!std::isfinite(twips) || std::fabs(twips) > std::numeric_limits<float>::max())
    vb::raise(vb::err::Overflow);
  return static_cast<float>(twips);
}

}  // namespace forms

namespace forms {

int pixelsCovering(float twips, double logicalDpi) {
  int pixels = twipsToPixels(twips, logicalDpi);
  if (pixelsToTwips(pixels, logicalDpi) < twips) ++pixels;
  return pixels;
}

PixelRect pixelRect(const TwipsRect& twips, double dpiX, double dpiY) {
  const int left = twipsToPixels(twips.left, dpiX);
  const int top = twipsToPixels(twips.top, dpiY);
  const int right = twipsToPixels(twips.left + twips.width, dpiX);
  const int bottom = twipsToPixels(twips.top + twips.height, dpiY);
  return {left, top, right - left, bottom - top};
}

}  // namespace forms
