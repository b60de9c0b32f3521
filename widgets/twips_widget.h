#pragma once
// Twips to and from a widget's pixels, at the widget's own logical dpi.

#include <QRect>

#include "widgets/twips_rect.h"

class QWidget;

namespace widgets {

// The pixel rectangle of a rectangle in twips (forms::pixelRect).
QRect pixelRect(const TwipsRect& twips, const QWidget& widget);
// Places widget at pixelRect(twips), grown where its caption needs more room
// in the current font (caption_fit.h).
void setTwipsGeometry(QWidget& widget, const TwipsRect& twips);

float twipsX(int pixels, const QWidget& widget);
float twipsY(int pixels, const QWidget& widget);

// The fewest pixels that cover at least twips, so that a size raised to a
// minimum in twips is not rounded back below it.
int pixelsCoveringX(float twips, const QWidget& widget);
int pixelsCoveringY(float twips, const QWidget& widget);

}  // namespace widgets
