#pragma once
// Answers a modal dialog that a call is about to show: once the dialog named
// name is the active modal widget, act on it (type, click, close). The
// dialog must end in the action, or the call never returns.

#include <QCheckBox>
#include <QPushButton>
#include <QApplication>
#include <QLabel>
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

// Every label's text fits its place, so nothing is cut at the design size.
inline void expectLabelsFit(QWidget& dialog) {
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect needed = label->fontMetrics().boundingRect(label->rect(), flags, label->text());
    const std::string name = label->objectName().toStdString();
    EXPECT_LE(needed.height(), label->height()) << name;
    EXPECT_LE(needed.width(), label->width()) << name;
  }
  // A check box needs its indicator too; a push button's hint has a minimum
  // width of the style's, so only its caption is measured.
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    EXPECT_LE(box->sizeHint().width(), box->width()) << box->objectName().toStdString();
  }
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    const int caption = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
    EXPECT_LE(caption + 8, button->width()) << button->objectName().toStdString();
  }
}

}  // namespace about_test
