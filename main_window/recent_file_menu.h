#pragma once
// The recent-file entries of the File menu and their separator. Captions are
// UTF-8, as the form logic gives them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "forms/scopster_view.h"

class QAction;
class QMenu;

namespace main_window {

using forms::kRecentFileCount;

class RecentFileMenu {
 public:
  // Appends the hidden separator mnuFileHyphenLastFile and the hidden entries
  // mnuFileLastFile1..4 to menu, which owns them.
  explicit RecentFileMenu(QMenu& menu);

  // Raises Subscript out of range (9) outside 1..kRecentFileCount.
  QAction* entry(std::int16_t index) const;

  std::string caption(std::int16_t index) const;
  void setCaption(std::int16_t index, std::string_view caption);
  bool visible(std::int16_t index) const;
  void setVisible(std::int16_t index, bool visible);
  void setSeparatorVisible(bool visible);

 private:
  QAction* mnuFileHyphenLastFile_ = nullptr;
  std::array<QAction*, kRecentFileCount> mnuFileLastFile_{};
};

}  // namespace main_window
