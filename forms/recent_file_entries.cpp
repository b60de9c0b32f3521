#include "forms/recent_file_entries.h"

#include "runtime/vb_error.h"

namespace forms {

std::int16_t RecentFileEntries::checked(std::int16_t index) const {
  if (index < recentLowerBound() || index > recentUpperBound()) vb::raise(vb::err::SubscriptOutOfRange);
  return index;
}

std::string RecentFileEntries::recentEntryCaption(std::int16_t index) const {
  return view_.recentEntryCaption(checked(index));
}

void RecentFileEntries::setRecentEntryCaption(std::int16_t index, std::string_view caption) {
  view_.setRecentEntryCaption(checked(index), caption);
}

bool RecentFileEntries::recentEntryVisible(std::int16_t index) const {
  return view_.recentEntryVisible(checked(index));
}

void RecentFileEntries::setRecentEntryVisible(std::int16_t index, bool visible) {
  view_.setRecentEntryVisible(checked(index), visible);
}

void RecentFileEntries::setRecentSeparatorVisible(bool visible) { view_.setRecentSeparatorVisible(visible); }

std::string RecentFileEntries::sourceText() const { return view_.sourceText(); }

}  // namespace forms
