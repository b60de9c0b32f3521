#pragma once
// A label drawn as a link: pure blue, a pointing hand, and a click action.

#include <QLabel>

#include <functional>

namespace about {

class LinkLabel : public QLabel {
 public:
  LinkLabel(const char* name, QWidget* parent);
  void onClick(std::function<void()> action) { action_ = std::move(action); }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> action_;
};

}  // namespace about
