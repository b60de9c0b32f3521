#include "main_window/scopster_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <utility>

#include "forms/frm_scopster.h"
#include "main_window/list_copy.h"
#include "main_window/recent_file_menu.h"
#include "main_window/result_list.h"
#include "main_window/text_box_events.h"
#include "main_window/window_view.h"
#include "platform/application_info.h"
#include "platform/qt/qt_text.h"
#include "widgets/command_button.h"
#include "widgets/eliding_label.h"
#include "widgets/twips_widget.h"
#include "widgets/vb_check_box.h"
#include "widgets/window_icon.h"

namespace main_window {

namespace {

// The client area the controls were placed in.
constexpr float kDesignInnerWidth = 6000;
constexpr float kDesignInnerHeight = 5010;

template <typename Widget>
Widget* newControl(QWidget* parent, const char* name) {
  auto* control = new Widget(parent);
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

// Run texts are paths and code lines, never markup; a long one keeps both
// ends in view.
QLabel* newProgressLabel(QWidget* parent, const char* name) { return newControl<widgets::ElidingLabel>(parent, name); }

QMenu* newMenu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* newItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  item->setShortcut(shortcut);
  return item;
}

void newSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); }

}  // namespace

void ScopsterWindow::processWindowEvents() { QCoreApplication::processEvents(); }

ScopsterWindow::ScopsterWindow(std::function<void()> yield) {
  setObjectName(QString::fromLatin1(forms::kFormName.data(), static_cast<int>(forms::kFormName.size())));
  setWindowIcon(widgets::scopsterIcon());
  createControls();
  createMenus();
  view_ = std::make_unique<WindowView>(
      FormControls{RunControls{this, txtSource_, lstText_, chkAutoScroll_, lblRunTime_, lblProcessing_,
                               lblSourceFile_, lblPublic_, lblSearchFile_},
                   this, cmdAnalyse_, lblSource_, recentFiles_.get()},
      std::move(yield));
  connectEvents();
  setDesignSize();
}

ScopsterWindow::~ScopsterWindow() = default;

forms::ScopsterView& ScopsterWindow::view() { return *view_; }

void ScopsterWindow::attach(forms::frmScopster& form) {
  form_ = &form;
  view_->attach(&form);
}

void ScopsterWindow::forward(void (forms::frmScopster::*procedure)()) {
  if (form_ != nullptr) (form_->*procedure)();
}

void ScopsterWindow::createControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);

  cmdAnalyse_ = newControl<widgets::CommandButton>(client, "cmdAnalyse");
  cmdAnalyse_->setText(QStringLiteral("&Analyse"));
  lblSource_ = newControl<QLabel>(client, "lblSource");
  lblSource_->setText(QStringLiteral("S&ource:"));
  txtSource_ = newControl<QLineEdit>(client, "txtSource");
  txtSource_->setToolTip(QStringLiteral("Double click to browse"));
  lblSource_->setBuddy(txtSource_);
  lstText_ = newControl<ResultList>(client, "lstText");
  lstText_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstText_->setUniformItemSizes(true);  // keeps appending fast on long results
  addListCopy(*lstText_);
  lblRunTime_ = newControl<QLabel>(client, "lblRunTime");
  lblRunTime_->setTextFormat(Qt::PlainText);
  lblSourceFile_ = newProgressLabel(client, "lblSourceFile");
  lblSearchFile_ = newProgressLabel(client, "lblSearchFile");
  lblPublic_ = newProgressLabel(client, "lblPublic");
  lblProcessing_ = newControl<QLabel>(client, "lblProcessing");
  lblProcessing_->setText(QStringLiteral("Processing:"));
  lblProcessing_->hide();
  chkAutoScroll_ = newControl<widgets::VbCheckBox>(client, "chkAutoScroll");
  chkAutoScroll_->setText(QStringLiteral("A&utoScroll"));

  setTabOrder(cmdAnalyse_, txtSource_);
  setTabOrder(txtSource_, lstText_);
  setTabOrder(lstText_, chkAutoScroll_);
  cmdAnalyse_->setFocus();
}

void ScopsterWindow::createMenus() {
  QMenu* mnuFile = newMenu(menuBar(), "mnuFile", "&File");
  mnuFileOpenProject_ =
      newItem(mnuFile, "mnuFileOpenProject", QStringLiteral("Open Pro&ject"), QKeySequence(Qt::CTRL | Qt::Key_J));
  newSeparator(mnuFile, "mnuFiHyphen2");
  mnuFilePrint_ = newItem(mnuFile, "mnuFilePrint", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
  recentFiles_ = std::make_unique<RecentFileMenu>(*mnuFile);
  newSeparator(mnuFile, "mnuFileHyphen4");
  mnuFileExit_ = newItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

  QMenu* mnuHelp = newMenu(menuBar(), "mnuHelp", "&Help");
  mnuHelpHelp_ = newItem(mnuHelp, "mnuHelpHelp", QStringLiteral("&Help     F1"));
  mnuHelpAbout_ = newItem(mnuHelp, "mnuHelpAbout",
                          QStringLiteral("&About ") + platform::qStringFromCp1252(platform::ApplicationInfo::kProductName));
}

void ScopsterWindow::connectEvents() {
  using Form = forms::frmScopster;
  connect(cmdAnalyse_, &QPushButton::clicked, this, [this] { forward(&Form::cmdAnalyse_Click); });
  connect(chkAutoScroll_, &QCheckBox::clicked, this, [this] { forward(&Form::chkAutoScroll_Click); });
  connect(txtSource_, &QLineEdit::textChanged, this, [this] { forward(&Form::txtSource_Change); });
  new TextBoxEvents(*txtSource_, {mnuFileOpenProject_, mnuFilePrint_, mnuFileExit_},
                    [this] { forward(&Form::txtSource_DblClick); });

  connect(mnuFileOpenProject_, &QAction::triggered, this, [this] { forward(&Form::mnuFileOpenProject_Click); });
  connect(mnuFilePrint_, &QAction::triggered, this, [this] { forward(&Form::mnuFilePrint_Click); });
  for (std::int16_t index = 1; index <= kRecentFileCount; ++index)
    connect(recentFiles_->entry(index), &QAction::triggered, this, [this, index] {
      if (form_ != nullptr) form_->mnuFileLastFile_Click(index);
    });
  connect(mnuFileExit_, &QAction::triggered, this, [this] { forward(&Form::mnuFileExit_Click); });
  connect(mnuHelpHelp_, &QAction::triggered, this, [this] { forward(&Form::mnuHelpHelp_Click); });
  connect(mnuHelpAbout_, &QAction::triggered, this, [this] { forward(&Form::mnuHelpAbout_Click); });
  // The Help item's caption promises F1.
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(helpKey, &QShortcut::activated, this, [this] { forward(&Form::mnuHelpHelp_Click); });
}

// The design's client area below the menu bar.
void ScopsterWindow::setDesignSize() {
  const QRect client = widgets::pixelRect({0, 0, kDesignInnerWidth, kDesignInnerHeight}, *this);
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

// A close may arrive while a run is yielding inside cmdAnalyse_Click; the
// window then only hides, and the run's caller finishes before it goes.
void ScopsterWindow::closeEvent(QCloseEvent* event) {
  forward(&forms::frmScopster::Form_Unload);
  event->accept();
}

void ScopsterWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  forward(&forms::frmScopster::Form_Resize);
}

}  // namespace main_window
