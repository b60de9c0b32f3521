#pragma once
// Answers a modal dialog that a call is about to show: once a Dialog (named
// name, unless name is null) is the active modal widget, act on it (type,
// click, close). The action must end the dialog, or the call never returns.
// An answerer whose dialog has not come by its deadline, while the event loop
// runs, fails the test and closes whatever modal widget is in the way; one
// whose dialog has not come when the test ends fails that test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace test_support {

namespace modal_detail {

struct Answerer {
  std::string name;
  bool done = false;
};

// The answerers whose dialog has not come yet.
inline std::vector<std::shared_ptr<Answerer>>& waiting() {
  static std::vector<std::shared_ptr<Answerer>> answerers;
  return answerers;
}

inline void finish(const std::shared_ptr<Answerer>& answerer) {
  answerer->done = true;
  auto& all = waiting();
  all.erase(std::remove(all.begin(), all.end(), answerer), all.end());
}

inline std::string describe(const char* name) { return name != nullptr ? name : "(any)"; }

}  // namespace modal_detail

// Fails the running test once for every answerer still waiting, and stops
// them. Runs by itself at the end of every test.
inline void failUnansweredDialogs() {
  const auto answerers = modal_detail::waiting();
  for (const auto& answerer : answerers) {
    ADD_FAILURE() << "the dialog " << answerer->name << " never showed";
    modal_detail::finish(answerer);
  }
}

namespace modal_detail {

// Runs before the result printer, so that the failure is printed with the test.
class UnansweredDialogCheck : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override { failUnansweredDialogs(); }
};

inline void checkAtEveryTestEnd() {
  [[maybe_unused]] static const bool installed = [] {
    auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
    ::testing::TestEventListener* printer = listeners.Release(listeners.default_result_printer());
    listeners.Append(new UnansweredDialogCheck);
    if (printer != nullptr) listeners.Append(printer);
    return true;
  }();
}

}  // namespace modal_detail

template <typename Dialog = QWidget>
void whenModalShows(const char* name, std::type_identity_t<std::function<void(Dialog&)>> action,
                    std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
  modal_detail::checkAtEveryTestEnd();
  auto answerer = std::make_shared<modal_detail::Answerer>(modal_detail::Answerer{modal_detail::describe(name)});
  modal_detail::waiting().push_back(answerer);
  const auto giveUpAt = std::chrono::steady_clock::now() + deadline;
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [name, action = std::move(action), poll, answerer, giveUpAt] {
    if (answerer->done) {
      *poll = nullptr;  // breaks the cycle of the shared pointer
      return;
    }
    QWidget* active = QApplication::activeModalWidget();
    auto* modal = qobject_cast<Dialog*>(active);
    if (modal != nullptr && (name == nullptr || modal->objectName() == QLatin1String(name))) {
      modal_detail::finish(answerer);
      action(*modal);
      *poll = nullptr;
      return;
    }
    if (std::chrono::steady_clock::now() >= giveUpAt) {
      ADD_FAILURE() << "the dialog " << answerer->name << " never showed"
                    << (active != nullptr ? "; " + active->objectName().toStdString() + " showed instead" : "");
      modal_detail::finish(answerer);
      if (active != nullptr) active->close();
      *poll = nullptr;
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
