#include "about/dialog_controls.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "widgets/command_button.h"
#include "widgets/twips_widget.h"

namespace about {

void useDesignFont(QWidget& dialog) {
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(7.5);
  dialog.setFont(font);
}

QPushButton* newButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new widgets::CommandButton(parent);
  button->setText(QString::fromLatin1(caption));
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLabel* newLabel(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QWidget* newLine(const char* name, unsigned colour, float x1, float x2, float y, QWidget* parent) {
  auto* line = new QWidget(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(colour));
  line->setPalette(palette);
  const QRect from = widgets::pixelRect({x1, y, x2 - x1, 0}, *parent);
  line->setGeometry(from.left(), from.top(), from.width(), 1);
  return line;
}

}  // namespace about
