#include "widgets/command_button.h"

#include <QKeyEvent>

namespace widgets {

namespace {

// Return, or Enter on the keypad, without Ctrl, Alt or Shift.
bool isEnter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
  return held == Qt::NoModifier && (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

}  // namespace

// An auto-default button in a dialog would stay its default after the focus
// leaves it; this one only answers Enter itself.
CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

void CommandButton::keyPressEvent(QKeyEvent* event) {
  if (!isEnter(*event)) {
    QPushButton::keyPressEvent(event);
    return;
  }
  event->accept();
  if (!event->isAutoRepeat()) click();
}

}  // namespace widgets
