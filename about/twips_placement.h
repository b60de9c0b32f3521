#pragma once
// Placing the controls of the About and question dialogs by their twips.

#include <QRect>

#include "main_window/form_layout.h"

class QLabel;
class QPushButton;
class QWidget;

namespace about {

// The pixel rectangle of a twips rectangle at the widget's logical dpi.
QRect pixelRect(const main_window::TwipsRect& twips, const QWidget& widget);
void place(QWidget& widget, const main_window::TwipsRect& twips);

QPushButton* newButton(const char* name, const char* caption, QWidget* parent);
// A top-left aligned, word-wrapping label.
QLabel* newLabel(const char* name, const char* text, QWidget* parent);
// A one-pixel horizontal line in colour (0xRRGGBB) from x1 to x2 at y, in twips.
QWidget* newLine(const char* name, unsigned colour, float x1, float x2, float y, QWidget* parent);

}  // namespace about
