#pragma once
// The result list lstText. Qt lays out rows added to a list view later, from
// a timer; while a run keeps the event loop busy that timer may not come
// round, and the list then paints as empty, project line and all, until the
// run ends. The run lays out the new rows itself before each yield.

#include <QListWidget>

namespace main_window {

class ResultList : public QListWidget {
 public:
  using QListWidget::QListWidget;

  // Lays out rows added since the last layout, if any, so that the next
  // paint shows them.
  void layOutNewRows() { executeDelayedItemsLayout(); }
};

}  // namespace main_window
