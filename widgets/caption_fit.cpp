#include "widgets/caption_fit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

#include "widgets/eliding_label.h"

namespace widgets {

namespace {

QSize labelNeed(const QLabel& label, int width) {
  if (dynamic_cast<const ElidingLabel*>(&label) != nullptr)
    return {0, label.minimumSizeHint().height()};
  if (label.text().isEmpty()) return {};
  if (label.wordWrap()) return {0, label.heightForWidth(width)};
  return label.sizeHint();
}

// The caption with the button's margins and frame, without the least width
// some styles give every button whatever its caption.
QSize pushButtonNeed(const QPushButton& button) {
  const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
  const QStyle* style = button.style();
  const int padding = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                      2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
  return {text.width() + padding, std::max(text.height() + padding, button.sizeHint().height())};
}

}  // namespace

QSize captionNeed(const QWidget& control, int width) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return labelNeed(*label, width);
  const auto* button = qobject_cast<const QAbstractButton*>(&control);
  if (button == nullptr || button->text().isEmpty()) return {};
  if (const auto* pushButton = qobject_cast<const QPushButton*>(button)) return pushButtonNeed(*pushButton);
  return button->sizeHint();
  return {};
}

QRect fitCaption(const QWidget& control, QRect rect) {
  const QSize need = captionNeed(control, rect.width());
  rect.setWidth(std::max(rect.width(), need.width()));
  rect.setHeight(std::max(rect.height(), need.height()));
  return rect;
}

}  // namespace widgets
