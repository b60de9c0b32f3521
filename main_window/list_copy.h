#pragma once
// Copying results out of the list: Ctrl+C copies the selected line, the
// list's context menu (mouse, Menu key or Shift+F10) offers Copy and Copy
// All. The window's own menus stay
// as they are; this lives on the list alone.

class QAction;
class QListWidget;

namespace main_window {

// Adds the actions "listCopy" and "listCopyAll" and the Shift+F10 key to
// list, which owns them.
void addListCopy(QListWidget& list);

// The selected line; empty when none is selected.
void copySelectedLine(const QListWidget& list);
// Every line, each ended by a line break.
void copyAllLines(const QListWidget& list);

}  // namespace main_window
