#pragma once
// The recent-file list's host over the main window's view: the list and the
// settings store hold Windows-1252 text, the view UTF-8, so each text is
// converted where it crosses.

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/recent_files.h"
#include "forms/scopster_view.h"

namespace forms {

class RecentFileEntries final : public RecentFileHost {
 public:
  explicit RecentFileEntries(ScopsterView& view) : view_(view) {}

  std::int16_t recentLowerBound() const override { return 1; }
  std::int16_t recentUpperBound() const override { return kRecentFileCount; }
  // Each raises Subscript out of range (9) outside 1..kRecentFileCount.
  std::string recentEntryCaption(std::int16_t index) const override;
  void setRecentEntryCaption(std::int16_t index, std::string_view caption) override;
  bool recentEntryVisible(std::int16_t index) const override;
  void setRecentEntryVisible(std::int16_t index, bool visible) override;
  void setRecentSeparatorVisible(bool visible) override;
  std::string sourceText() const override;

 private:
  std::int16_t checked(std::int16_t index) const;

  ScopsterView& view_;
};

}  // namespace forms
