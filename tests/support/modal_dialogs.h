#pragma once
// Answers a modal dialog that a call is about to show: once a Dialog (named
// name, unless name is null) is the active modal widget, act on it (type,
// click, close). The action must end the dialog, or the call never returns.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace test_support {

template <typename Dialog = QWidget>
void whenModalShows(const char* name, std::type_identity_t<std::function<void(Dialog&)>> action) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [name, action = std::move(action), poll] {
    auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (modal != nullptr && (name == nullptr || modal->objectName() == QLatin1String(name))) {
      action(*modal);
      *poll = nullptr;  // breaks the cycle of the shared pointer
      return;
    }
    QTimer::singleShot(5, *poll);
  };
  QTimer::singleShot(0, *poll);
}

template <typename Control>
Control& control(const QObject& parent, const char* name) {
  auto* found = parent.findChild<Control*>(QLatin1String(name));
  if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return *found;
}

}  // namespace test_support
