#pragma once
// The recent-file entries of the File menu and their separator, as the
// recent-file list (recent_files.h) sees them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "forms/scopster_view.h"

#include "forms/recent_files.h"

class QAction;
class QLineEdit;
class QMenu;

namespace main_window {

using forms::kRecentFileCount;

class RecentFileMenu : public forms::RecentFileHost {
 public:
  // Appends the hidden separator mnuFileHyphenLastFile and the hidden entries
  // mnuFileLastFile1..4 to menu, which owns them. The project path is read
  // from txtSource.
  RecentFileMenu(QMenu& menu, const QLineEdit& txtSource);

  // Raises Subscript out of range (9) outside 1..kRecentFileCount.
  QAction* entry(std::int16_t index) const;

  std::int16_t recentLowerBound() const override { return 1; }
  std::int16_t recentUpperBound() const override { return kRecentFileCount; }
  std::string recentEntryCaption(std::int16_t index) const override;
  void setRecentEntryCaption(std::int16_t index, std::string_view caption) override;
  bool recentEntryVisible(std::int16_t index) const override;
  void setRecentEntryVisible(std::int16_t index, bool visible) override;
  void setRecentSeparatorVisible(bool visible) override;
  std::string sourceText() const override;

 private:
  const QLineEdit& txtSource_;
  QAction* mnuFileHyphenLastFile_ = nullptr;
  std::array<QAction*, kRecentFileCount> mnuFileLastFile_{};
};

}  // namespace main_window
