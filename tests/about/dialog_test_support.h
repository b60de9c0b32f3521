#pragma once
// Answers a modal dialog that a call is about to show: once the dialog named
// name is the active modal widget, act on it (type, click, close). The
// dialog must end in the action, or the call never returns.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace about_test {

inline void whenModalShows(const char* name, std::function<void(QWidget&)> action) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [name, action = std::move(action), poll] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->objectName() == QLatin1String(name)) {
      action(*modal);
      *poll = nullptr;  // breaks the cycle of the shared pointer
      return;
    }
    QTimer::singleShot(5, *poll);
  };
  QTimer::singleShot(0, *poll);
}

template <typename Control>
Control& control(QWidget& dialog, const char* name) {
  auto* found = dialog.findChild<Control*>(QLatin1String(name));
  if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return *found;
}

}  // namespace about_test
