#include "main_window/recent_file_menu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace main_window {

RecentFileMenu::RecentFileMenu(QMenu& menu, const QLineEdit& txtSource) : txtSource_(txtSource) {
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
  if (index < recentLowerBound() || index > recentUpperBound()) vb::raise(vb::err::SubscriptOutOfRange);
  return mnuFileLastFile_[static_cast<std::size_t>(index - recentLowerBound())];
}

std::string RecentFileMenu::recentEntryCaption(std::int16_t index) const {
  return entry(index)->text().toStdString();
}

void RecentFileMenu::setRecentEntryCaption(std::int16_t index, std::string_view caption) {
  entry(index)->setText(QString::fromStdString(std::string(caption)));
}

bool RecentFileMenu::recentEntryVisible(std::int16_t index) const { return entry(index)->isVisible(); }

void RecentFileMenu::setRecentEntryVisible(std::int16_t index, bool visible) { entry(index)->setVisible(visible); }

void RecentFileMenu::setRecentSeparatorVisible(bool visible) { mnuFileHyphenLastFile_->setVisible(visible); }

std::string RecentFileMenu::sourceText() const { return txtSource_.text().toStdString(); }

}  // namespace main_window
