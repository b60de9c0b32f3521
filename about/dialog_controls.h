#pragma once
// The controls the About and question dialogs are made of.

class QLabel;
class QPushButton;
class QWidget;

namespace about {

// The dialogs were laid out in twips for a small, narrow sans-serif font;
// the desktop's default would cut their texts.
void useDesignFont(QWidget& dialog);

QPushButton* newButton(const char* name, const char* caption, QWidget* parent);
// A top-left aligned, word-wrapping label.
QLabel* newLabel(const char* name, const char* text, QWidget* parent);
// A one-pixel horizontal line in colour (0xRRGGBB) from x1 to x2 at y, in
// twips: half of an etched separator.
QWidget* newLine(const char* name, unsigned colour, float x1, float x2, float y, QWidget* parent);

}  // namespace about
