#include "widgets/twips_widget.h"

#include <QWidget>

#include "widgets/caption_fit.h"
#include "widgets/twips.h"

namespace widgets {

namespace {

int pixelsCovering(float twips, double dpi) {
  int pixels = twipsToPixels(twips, dpi);
  if (pixelsToTwips(pixels, dpi) < twips) ++pixels;
  return pixels;
}

}  // namespace

QRect pixelRect(const TwipsRect& twips, const QWidget& widget) {
  const double dpiX = widget.logicalDpiX();
  const double dpiY = widget.logicalDpiY();
  const int left = twipsToPixels(twips.left, dpiX);
  const int top = twipsToPixels(twips.top, dpiY);
  const int right = twipsToPixels(twips.left + twips.width, dpiX);
  const int bottom = twipsToPixels(twips.top + twips.height, dpiY);
  return {left, top, right - left, bottom - top};
}

void setTwipsGeometry(QWidget& widget, const TwipsRect& twips) {
  widget.setGeometry(fitCaption(widget, pixelRect(twips, widget)));
}

float twipsX(int pixels, const QWidget& widget) { return pixelsToTwips(pixels, widget.logicalDpiX()); }

float twipsY(int pixels, const QWidget& widget) { return pixelsToTwips(pixels, widget.logicalDpiY()); }

int pixelsCoveringX(float twips, const QWidget& widget) { return pixelsCovering(twips, widget.logicalDpiX()); }

int pixelsCoveringY(float twips, const QWidget& widget) { return pixelsCovering(twips, widget.logicalDpiY()); }

}  // namespace widgets
