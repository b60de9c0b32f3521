#include "about/dialog_controls.h"

#include <QAbstractButton>
#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "runtime/vb_error.h"
#include "widgets/command_button.h"
#include "widgets/twips_widget.h"

namespace about {

void useDesignFont(QWidget& dialog) {
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(7.5);
  dialog.setFont(font);
}

QPushButton* newButton(const char* name, QWidget* parent) {
  auto* button = new widgets::CommandButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLabel* newLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QWidget* newLine(const char* name, unsigned colour, QWidget* parent) {
  auto* line = new QWidget(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(colour));
  line->setPalette(palette);
  return line;
}

void setCaption(QWidget& control, std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    label->setText(text);
    return;
  }
  auto* button = qobject_cast<QAbstractButton*>(&control);
  if (button == nullptr) vb::raise(vb::err::InvalidPropertyValue);
  button->setText(text);
}

void placeControl(QWidget& control, const widgets::TwipsRect& place) {
  if (place.height > 0) {
    widgets::setTwipsGeometry(control, place);
    return;
  }
  const QRect from = widgets::pixelRect(place, *control.parentWidget());
  control.setGeometry(from.left(), from.top(), from.width(), 1);
}

void setClientSize(QWidget& dialog, float width, float height) {
  dialog.setFixedSize(widgets::pixelRect({0, 0, width, height}, dialog).size());
}

}  // namespace about
