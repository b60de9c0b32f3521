#pragma once
// Captions are laid out in twips for the fonts the design was drawn with;
// other fonts (Linux's among them) may need more room. A captioned control
// keeps its place and takes at least the size its caption needs.

#include <QRect>

class QWidget;

namespace widgets {

// rect, widened and heightened as far as the control's caption needs in its
// current font: a label or button with text; a word-wrapped label only
// grows in height, an ElidingLabel only to the height of its line. Other
// controls keep rect.
QRect fitCaption(const QWidget& control, QRect rect);

// The size the control's caption needs at the given width; empty for a
// control without a caption.
QSize captionNeed(const QWidget& control, int width);

}  // namespace widgets
