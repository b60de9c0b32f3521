#include "about/link_label.h"

#include <QMouseEvent>

namespace about {

LinkLabel::LinkLabel(const char* name, QWidget* parent) : QLabel(parent) {
  setObjectName(QString::fromLatin1(name));
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setCursor(Qt::PointingHandCursor);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(blue);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && action_) action_();
}

}  // namespace about
