#include "main_window/list_copy.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>

namespace main_window {

namespace {

QAction* addAction(QListWidget& list, const char* name, const char* caption) {
  auto* action = new QAction(QString::fromLatin1(caption), &list);
  action->setObjectName(QString::fromLatin1(name));
  list.addAction(action);
  return action;
}

// Where the keyboard's context menu opens: on the current line when it is in
// view, else at the top left of the list.
QPoint keyboardMenuPoint(const QListWidget& list) {
  const QRect line = list.visualItemRect(list.currentItem());
  const QPoint inViewport = list.viewport()->rect().contains(line.center()) ? line.center() : QPoint(0, 0);
  return list.viewport()->mapTo(&list, inViewport);
}

// Shift+F10 opens the context menu as the Menu key does, which only some
// window systems turn into a context-menu event themselves.
void addMenuKey(QListWidget& list) {
  auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &list);
  menuKey->setContext(Qt::WidgetShortcut);
  QObject::connect(menuKey, &QShortcut::activated, &list, [&list] {
    const QPoint point = keyboardMenuPoint(list);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, point, list.mapToGlobal(point));
    QCoreApplication::sendEvent(&list, &event);
  });
}

}  // namespace

void addListCopy(QListWidget& list) {
  addMenuKey(list);
  list.setContextMenuPolicy(Qt::ActionsContextMenu);
  QAction* copy = addAction(list, "listCopy", "&Copy");
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, &list, [&list] { copySelectedLine(list); });
  QAction* copyAll = addAction(list, "listCopyAll", "Copy &All");
  QObject::connect(copyAll, &QAction::triggered, &list, [&list] { copyAllLines(list); });
}

void copySelectedLine(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  QGuiApplication::clipboard()->setText(selected.isEmpty() ? QString() : selected.constFirst()->text());
}

void copyAllLines(const QListWidget& list) {
  QString text;
  for (int row = 0; row < list.count(); ++row) text += list.item(row)->text() + '\n';
  QGuiApplication::clipboard()->setText(text);
}

}  // namespace main_window
