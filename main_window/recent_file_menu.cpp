#include "main_window/recent_file_menu.h"

#include <QAction>
#include <QMenu>

#include "runtime/vb_error.h"

namespace main_window {

RecentFileMenu::RecentFileMenu(QMenu& menu) {
  mnuFileHyphenLastFile_ = menu.addSeparator();
  mnuFileHyphenLastFile_->setObjectName(QStringLiteral("mnuFileHyphenLastFile"));
  mnuFileHyphenLastFile_->setVisible(false);
  for (std::int16_t index = 1; index <= kRecentFileCount; ++index) {
    QAction* item = menu.addAction(QString());
    item->setObjectName(QStringLiteral("mnuFileLastFile%1").arg(index));
    item->setVisible(false);
    mnuFileLastFile_[static_cast<std::size_t>(index - 1)] = item;
  }
}

QAction* RecentFileMenu::entry(std::int16_t index) const {
  if (index < 1 || index > kRecentFileCount) vb::raise(vb::err::SubscriptOutOfRange);
  return mnuFileLastFile_[static_cast<std::size_t>(index - 1)];
}

std::string RecentFileMenu::caption(std::int16_t index) const { return entry(index)->text().toStdString(); }

void RecentFileMenu::setCaption(std::int16_t index, std::string_view caption) {
  entry(index)->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

bool RecentFileMenu::visible(std::int16_t index) const { return entry(index)->isVisible(); }

void RecentFileMenu::setVisible(std::int16_t index, bool visible) { entry(index)->setVisible(visible); }

void RecentFileMenu::setSeparatorVisible(bool visible) { mnuFileHyphenLastFile_->setVisible(visible); }

}  // namespace main_window
