#include "main_window/list_copy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QListWidget>

namespace main_window {

namespace {

QAction* addAction(QListWidget& list, const char* name, const char* caption) {
  auto* action = new QAction(QString::fromLatin1(caption), &list);
  action->setObjectName(QString::fromLatin1(name));
  list.addAction(action);
  return action;
}

}  // namespace

void addListCopy(QListWidget& list) {
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
