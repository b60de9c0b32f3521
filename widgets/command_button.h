#pragma once
// A push button that Enter presses while it has the focus, as Space does, yet
// that never becomes a window's default button: Enter with the focus on any
// other control presses nothing.

#include <QPushButton>

namespace widgets {

class CommandButton : public QPushButton {
 public:
  explicit CommandButton(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace widgets
