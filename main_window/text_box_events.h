#pragma once
// What a line edit does not offer the window on its own: a double-click
// event, and letting the window's menu shortcuts win over the box's own keys.
// Ctrl+X is Exit in our File menu, but Cut in a box with selected text: there
// the box keeps it, as a user who selected text means Cut.

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

  const QLineEdit& box_;
  std::vector<QAction*> windowShortcuts_;
  std::function<void()> onDoubleClick_;
};

}  // namespace main_window
