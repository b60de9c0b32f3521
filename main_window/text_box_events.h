#pragma once
// What a line edit does not offer the window on its own: a double-click
// event, and letting the window's menu shortcuts win over the box's own keys
// (Ctrl+X is Cut in a line edit, but Exit in our File menu).

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QLineEdit;

namespace main_window {

class TextBoxEvents : public QObject {
 public:
  // Installs itself on box, which owns it.
  TextBoxEvents(QLineEdit& box, std::vector<QAction*> windowShortcuts, std::function<void()> onDoubleClick);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool isWindowShortcut(const QEvent& event) const;

  std::vector<QAction*> windowShortcuts_;
  std::function<void()> onDoubleClick_;
};

}  // namespace main_window
