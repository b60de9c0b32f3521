#include "widgets/twips_widget.h"

#include <QWidget>

#include "widgets/caption_fit.h"
#include "forms/twips.h"

namespace widgets {

using forms::pixelsCovering;
using forms::pixelsToTwips;

QRect pixelRect(const TwipsRect& twips, const QWidget& widget) {
  const forms::PixelRect pixels = forms::pixelRect(twips, widget.logicalDpiX(), widget.logicalDpiY());
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

void setTwipsGeometry(QWidget& widget, const TwipsRect& twips) {
  widget.setGeometry(fitCaption(widget, pixelRect(twips, widget)));
}

float twipsX(int pixels, const QWidget& widget) { return pixelsToTwips(pixels, widget.logicalDpiX()); }

float twipsY(int pixels, const QWidget& widget) { return pixelsToTwips(pixels, widget.logicalDpiY()); }

int pixelsCoveringX(float twips, const QWidget& widget) { return pixelsCovering(twips, widget.logicalDpiX()); }

int pixelsCoveringY(float twips, const QWidget& widget) { return pixelsCovering(twips, widget.logicalDpiY()); }

}  // namespace widgets
