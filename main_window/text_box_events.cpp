#include "main_window/text_box_events.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include <utility>

namespace main_window {

TextBoxEvents::TextBoxEvents(QLineEdit& box, std::vector<QAction*> windowShortcuts,
                             std::function<void()> onDoubleClick)
    : QObject(&box), box_(box), windowShortcuts_(std::move(windowShortcuts)), onDoubleClick_(std::move(onDoubleClick)) {
  box.installEventFilter(this);
}

bool TextBoxEvents::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonDblClick:
      onDoubleClick_();
      return true;
    case QEvent::ShortcutOverride:
      // Left unaccepted, the override lets the shortcut map fire the action
      // instead of handing the key to the box.
      if (!isWindowShortcut(*event)) break;
      event->ignore();
      return true;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

bool TextBoxEvents::isWindowShortcut(const QEvent& event) const {
  const auto& key = static_cast<const QKeyEvent&>(event);
  if (key.matches(QKeySequence::Cut) && box_.hasSelectedText()) return false;
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* action : windowShortcuts_)
    if (!action->shortcut().isEmpty() && action->shortcut().matches(pressed) == QKeySequence::ExactMatch)
      return true;
  return false;
}

}  // namespace main_window
