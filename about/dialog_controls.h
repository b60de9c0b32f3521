#pragma once
// The controls the small dialogs are made of, and how their views set what
// the form logic gives them.

#include <string_view>

#include "widgets/twips_rect.h"

class QLabel;
class QPushButton;
class QWidget;

namespace about {

// The dialogs were laid out in twips for a small, narrow sans-serif font;
// the desktop's default would cut their texts.
void useDesignFont(QWidget& dialog);

QPushButton* newButton(const char* name, QWidget* parent);
// A top-left aligned, word-wrapping label.
QLabel* newLabel(const char* name, QWidget* parent);
// A line in colour (0xRRGGBB), placed with placeControl: half of an etched
// separator.
QWidget* newLine(const char* name, unsigned colour, QWidget* parent);

// A label's text or a button's caption, from UTF-8. Raises Invalid property
// value (380) for a control that shows no caption.
void setCaption(QWidget& control, std::string_view utf8);
// Places a control in its parent; a place of height 0 is a line one pixel
// thick.
void placeControl(QWidget& control, const widgets::TwipsRect& place);
// The dialog's inner size.
void setClientSize(QWidget& dialog, float width, float height);

}  // namespace about
