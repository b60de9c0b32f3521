// The recent-file entries of the File menu, as the recent-file list sees them.

#include <QAction>

#include "main_window/frm_scopster.h"
#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace main_window {

QAction* frmScopster::recentEntry(std::int16_t index) const {
  if (index < recentLowerBound() || index > recentUpperBound()) vb::raise(vb::err::SubscriptOutOfRange);
  return mnuFileLastFile[static_cast<std::size_t>(index - recentLowerBound())];
}

std::string frmScopster::recentEntryCaption(std::int16_t index) const {
  return platform::cp1252FromQString(recentEntry(index)->text());
}

void frmScopster::setRecentEntryCaption(std::int16_t index, std::string_view caption) {
  recentEntry(index)->setText(platform::qStringFromCp1252(caption));
}

bool frmScopster::recentEntryVisible(std::int16_t index) const { return recentEntry(index)->isVisible(); }

void frmScopster::setRecentEntryVisible(std::int16_t index, bool visible) { recentEntry(index)->setVisible(visible); }

void frmScopster::setRecentSeparatorVisible(bool visible) { mnuFileHyphenLastFile->setVisible(visible); }

}  // namespace main_window
