// The File and Help menus and the wiring of every event procedure.

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <string>

#include "main_window/frm_scopster.h"
#include "main_window/text_box_events.h"
#include "widgets/vb_check_box.h"

namespace main_window {

namespace {

QMenu* newMenu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* newItem(QMenu* menu, const QString& name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setShortcut(shortcut);
  return item;
}

QAction* newItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {}) {
  return newItem(menu, QString::fromLatin1(name), QString::fromLatin1(caption), shortcut);
}

QAction* newSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QString::fromLatin1(name));
  return separator;
}

}  // namespace

void frmScopster::createMenus() {
  mnuFile = newMenu(menuBar(), "mnuFile", "&File");
  mnuFileOpenProject = newItem(mnuFile, "mnuFileOpenProject", "Open Pro&ject", QKeySequence(Qt::CTRL | Qt::Key_J));
  mnuFiHyphen2 = newSeparator(mnuFile, "mnuFiHyphen2");
  mnuFilePrint = newItem(mnuFile, "mnuFilePrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P));
  mnuFileHyphenLastFile = newSeparator(mnuFile, "mnuFileHyphenLastFile");
  mnuFileHyphenLastFile->setVisible(false);
  for (std::int16_t index = 1; index <= kRecentFileCount; ++index) {
    QAction* entry = newItem(mnuFile, QStringLiteral("mnuFileLastFile%1").arg(index), QString());
    entry->setVisible(false);
    mnuFileLastFile[static_cast<std::size_t>(index - 1)] = entry;
  }
  mnuFileHyphen4 = newSeparator(mnuFile, "mnuFileHyphen4");
  mnuFileExit = newItem(mnuFile, "mnuFileExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X));

  mnuHelp = newMenu(menuBar(), "mnuHelp", "&Help");
  mnuHelpHelp = newItem(mnuHelp, "mnuHelpHelp", "&Help     F1");
  mnuHelpAbout = newItem(mnuHelp, QStringLiteral("mnuHelpAbout"),
                         QStringLiteral("&About ") + QString::fromLatin1(platform::ApplicationInfo::kProductName.data(),
                                                                         platform::ApplicationInfo::kProductName.size()));
}

void frmScopster::connectEvents() {
  connect(cmdAnalyse, &QPushButton::clicked, this, [this] { cmdAnalyse_Click(); });
  connect(chkAutoScroll, &QCheckBox::clicked, this, [this] { chkAutoScroll_Click(); });
  connect(txtSource, &QLineEdit::textChanged, this, [this] { txtSource_Change(); });
  new TextBoxEvents(*txtSource, {mnuFileOpenProject, mnuFilePrint, mnuFileExit}, [this] { txtSource_DblClick(); });

  connect(mnuFileOpenProject, &QAction::triggered, this, [this] { mnuFileOpenProject_Click(); });
  connect(mnuFilePrint, &QAction::triggered, this, [this] { mnuFilePrint_Click(); });
  for (std::int16_t index = 1; index <= kRecentFileCount; ++index)
    connect(recentEntry(index), &QAction::triggered, this, [this, index] { mnuFileLastFile_Click(index); });
  connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
  connect(mnuHelpHelp, &QAction::triggered, this, [this] { mnuHelpHelp_Click(); });
  connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
  // The Help item's caption promises F1.
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(helpKey, &QShortcut::activated, this, [this] { mnuHelpHelp_Click(); });
}

}  // namespace main_window
