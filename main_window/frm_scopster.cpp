#include "main_window/frm_scopster.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>

#include <system_error>
#include <utility>

#include "about/frm_about.h"
#include "about/splash.h"
#include "diagnostics/app_globals.h"
#include "diagnostics/dialogs.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/locale_info.h"
#include "main_window/list_copy.h"
#include "main_window/recent_file_menu.h"
#include "main_window/result_list.h"
#include "main_window/text_box_events.h"
#include "main_window/window_run_view.h"
#include "platform/qt/qt_text.h"
#include "platform/settings_store.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"
#include "utilities/general.h"
#include "utilities/placement.h"
#include "utilities/print_byline.h"
#include "utilities/vb_path.h"
#include "widgets/command_button.h"
#include "widgets/twips_widget.h"
#include "widgets/eliding_label.h"
#include "widgets/vb_check_box.h"
#include "widgets/window_icon.h"

namespace main_window {

namespace {

using diagnostics::ErrorTrap;

// The client area the controls were placed in.
constexpr float kDesignInnerWidth = 6000;
constexpr float kDesignInnerHeight = 5010;

constexpr std::string_view kSection = platform::ApplicationInfo::kTitle;
// "&n " in front of a recent file's path.
constexpr std::int64_t kRecentPrefixLength = 3;
// Windows file-dialog options: the file must exist, the current directory
// stays, no read-only box.
constexpr int kBrowseFlags = 0x1000 | 0x8 | 0x4;

template <typename Widget>
Widget* newControl(QWidget* parent, const char* name) {
  auto* control = new Widget(parent);
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

// Run texts are paths and code lines, never markup; a long one keeps both
// ends in view.
QLabel* newProgressLabel(QWidget* parent, const char* name) { return newControl<widgets::ElidingLabel>(parent, name); }

// The widest caption the run gives lblRunTime: counts are 16-bit.
constexpr const char* kWidestRunTimeCaption = "Run Time: 00:00:00  File: 32767/32767";

// The room the design leaves between lblProcessing and lblSourceFile.
constexpr float kProcessingGap = 105;

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

void makeCurrentDirectory(const std::filesystem::path& folder) {
  std::error_code failure;
  std::filesystem::current_path(folder, failure);
  if (failure) throw vb::VbError::fromErrno(failure.value());
}

// A printer that could not be made (the failure was ignored) cannot print.
platform::Printer& printerIn(const std::unique_ptr<platform::Printer>& printer) {
  if (!printer) vb::raise(vb::err::ObjectNotSet);
  return *printer;
}

diagnostics::Dialogs& installedDialogs() {
  diagnostics::Dialogs* dialogs = diagnostics::errorHandlerSetup().dialogs;
  if (dialogs == nullptr) vb::raise(vb::err::ObjectNotSet);
  return *dialogs;
}

// What follows the first blank: the path of a recent-file caption.
std::string afterFirstBlank(std::string_view caption) {
  return std::string(vb::Mid(caption, vb::InStr(caption, " ") + 1));
}

// The file name up to and including its last "\" or "/"; empty without one.
std::string folderOf(const std::string& fileName) {
  const auto separator = fileName.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : fileName.substr(0, separator + 1);
}

}  // namespace

void WindowOptions::processWindowEvents() { QCoreApplication::processEvents(); }

frmScopster::frmScopster(WindowOptions options)
    : options_(std::move(options)), placement_(*this), geometry_(designGeometry()) {
  setObjectName(QString::fromLatin1(kFormName.data(), static_cast<int>(kFormName.size())));
  setWindowIcon(widgets::scopsterIcon());
  createControls();
  createMenus();
  connectEvents();
  for (const ControlPlace& place : controlPlaces()) placeControl(place);
  setDesignSize();
}

frmScopster::~frmScopster() = default;

// --- Controls, menus and their places ---

void frmScopster::createControls() {
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

  runView_ = std::make_unique<WindowRunView>(
      RunControls{this, txtSource_, lstText_, chkAutoScroll_, lblRunTime_, lblProcessing_, lblSourceFile_, lblPublic_,
                  lblSearchFile_},
      stopRequested_, options_.yield);
  presenter_ = std::make_unique<forms::ResultListPresenter>(*runView_);
  analyser_ = std::make_unique<engine::Analyser>(*presenter_, options_.yieldInterval);
}

void frmScopster::createMenus() {
  QMenu* mnuFile = newMenu(menuBar(), "mnuFile", "&File");
  mnuFileOpenProject_ =
      newItem(mnuFile, "mnuFileOpenProject", QStringLiteral("Open Pro&ject"), QKeySequence(Qt::CTRL | Qt::Key_J));
  newSeparator(mnuFile, "mnuFiHyphen2");
  mnuFilePrint_ = newItem(mnuFile, "mnuFilePrint", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
  recentFiles_ = std::make_unique<RecentFileMenu>(*mnuFile, *txtSource_);
  newSeparator(mnuFile, "mnuFileHyphen4");
  mnuFileExit_ = newItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

  QMenu* mnuHelp = newMenu(menuBar(), "mnuHelp", "&Help");
  mnuHelpHelp_ = newItem(mnuHelp, "mnuHelpHelp", QStringLiteral("&Help     F1"));
  mnuHelpAbout_ = newItem(mnuHelp, "mnuHelpAbout",
                          QStringLiteral("&About ") + platform::qStringFromCp1252(platform::ApplicationInfo::kProductName));
}

void frmScopster::connectEvents() {
  connect(cmdAnalyse_, &QPushButton::clicked, this, [this] { cmdAnalyse_Click(); });
  connect(chkAutoScroll_, &QCheckBox::clicked, this, [this] { chkAutoScroll_Click(); });
  connect(txtSource_, &QLineEdit::textChanged, this, [this] { txtSource_Change(); });
  new TextBoxEvents(*txtSource_, {mnuFileOpenProject_, mnuFilePrint_, mnuFileExit_}, [this] { txtSource_DblClick(); });

  connect(mnuFileOpenProject_, &QAction::triggered, this, [this] { mnuFileOpenProject_Click(); });
  connect(mnuFilePrint_, &QAction::triggered, this, [this] { mnuFilePrint_Click(); });
  for (std::int16_t index = 1; index <= kRecentFileCount; ++index)
    connect(recentFiles_->entry(index), &QAction::triggered, this, [this, index] { mnuFileLastFile_Click(index); });
  connect(mnuFileExit_, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
  connect(mnuHelpHelp_, &QAction::triggered, this, [this] { mnuHelpHelp_Click(); });
  connect(mnuHelpAbout_, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
  // The Help item's caption promises F1.
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(helpKey, &QShortcut::activated, this, [this] { mnuHelpHelp_Click(); });
}

// Rows 1 to kLayoutRowCount in the order the layout moves them, then the
// controls the layout leaves where they are.
std::array<frmScopster::ControlPlace, kLayoutRowCount + 1> frmScopster::controlPlaces() const {
  return {{{&FormGeometry::lstText, lstText_},
           {&FormGeometry::cmdAnalyse, cmdAnalyse_},
           {&FormGeometry::chkAutoScroll, chkAutoScroll_},
           {&FormGeometry::txtSource, txtSource_},
           {&FormGeometry::lblRunTime, lblRunTime_},
           {&FormGeometry::lblProcessing, lblProcessing_},
           {&FormGeometry::lblSourceFile, lblSourceFile_},
           {&FormGeometry::lblPublic, lblPublic_},
           {&FormGeometry::lblSearchFile, lblSearchFile_},
           {&FormGeometry::lblSource, lblSource_}}};
}

void frmScopster::placeControl(const ControlPlace& place) {
  widgets::setTwipsGeometry(*place.widget, geometry_.*place.rect);
  if (place.widget == lblSourceFile_) keepSourceFileClearOfProcessing();
}

// "Processing:" may need more room than the design gave it; the file name
// beside it then starts later rather than under it.
void frmScopster::keepSourceFileClearOfProcessing() {
  const int clearLeft = lblProcessing_->geometry().right() + 1 + widgets::pixelsCoveringX(kProcessingGap, *this);
  QRect label = lblSourceFile_->geometry();
  if (label.left() < clearLeft) label.setLeft(clearLeft);
  lblSourceFile_->setGeometry(label);
}

// The run-time caption is laid out for the widest one it can show, so that
// the file counter is never cut off or hidden under the Analyse button.
float frmScopster::minimumOuterWidth() const {
  const QFontMetrics metrics = lblRunTime_->fontMetrics();
  const QMargins margins = lblRunTime_->contentsMargins();
  const int pixels = metrics.horizontalAdvance(QString::fromLatin1(kWidestRunTimeCaption)) + margins.left() +
                     margins.right() + 2 * lblRunTime_->frameWidth();
  const float frame = widgets::twipsX(frameGeometry().width() - centralWidget()->width(), *this);
  return main_window::minimumOuterWidth(geometry_, widgets::twipsX(pixels + 1, *this), frame);
}

// The design's client area below the menu bar.
void frmScopster::setDesignSize() {
  const QRect client = widgets::pixelRect({0, 0, kDesignInnerWidth, kDesignInnerHeight}, *this);
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

// --- Start-up and shut-down ---

void frmScopster::Form_Load() {
  bool bError = false;
  QPointer<about::frmSplash> splash;
  startUp(splash, bError);
  finishStartUp(splash, bError);
}

void frmScopster::startUp(QPointer<about::frmSplash>& splash, bool& bError) {
  ErrorTrap trap{kFormName, "Form_Load", bError};
  if (!trap.step(1, [&] { splash = about::showSplash(); })) return;
  if (!trap.step(2, [&] { utilities::gGStartUpSetStuff(placement_, bError); })) return;
  if (!trap.step(3, [&] { setWindowTitle(platform::qStringFromCp1252(diagnostics::gsMsgBoxTitle)); })) return;
  if (!trap.step(4, [&] { makeCurrentDirectory(options_.applicationFolder); })) return;
  trap.step(5, [&] { mGetSettings(bError); });
}

// Runs even when start-up ended early: the user must never be left with the
// splash window and no main window.
void frmScopster::finishStartUp(QPointer<about::frmSplash>& splash, bool& bError) {
  ErrorTrap trap{kFormName, "Form_Load", bError};
  if (!trap.step(6, [&] { show(); })) return;
  trap.step(7, [&] {
    if (splash) splash->close();
  });
}

// A close may arrive while a run is yielding inside cmdAnalyse_Click; the
// window then only hides, and the run's caller finishes before it goes.
void frmScopster::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void frmScopster::Form_Unload() {
  bool bError = false;
  ErrorTrap trap{kFormName, "Form_Unload", bError};
  if (!trap.step(1, [&] { stopRequested_ = true; })) return;
  if (!trap.step(2, [&] { unloading_ = true; })) return;
  if (!trap.step(3, [&] { diagnostics::gGetLocaleInfoSaveUserRegion(bError); })) return;
  if (bError) return;
  if (!trap.step(4, [&] { mSaveSettings(bError); })) return;
  if (bError) return;
  trap.step(5, [&] { utilities::gGFormLeftEtcSave(placement_, bError); });
}

// --- Size and layout ---

void frmScopster::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

// The list shows partial lines, so it takes the height it is given and the
// rows under it follow that height (no actual-height function).
void frmScopster::Form_Resize() {
  bool bError = false;
  ErrorTrap trap{kFormName, "Form_Resize", bError};
  float innerWidth = 0;
  float innerHeight = 0;
  ResizeDecision decision{ResizeAction::Nothing, 0};
  if (!trap.step(1, [&] {
        const QWidget& client = *centralWidget();
        innerWidth = isMinimized() ? 0 : widgets::twipsX(client.width(), client);
        innerHeight = widgets::twipsY(client.height(), client);
        const QRect outer = frameGeometry();
        decision = decideResize(innerWidth, widgets::twipsX(outer.width(), *this),
                                widgets::twipsY(outer.height(), *this), minimumOuterWidth());
      }))
    return;
  switch (decision.action) {
    case ResizeAction::Nothing:
      return;
    case ResizeAction::SetOuterWidth:
      trap.step(2, [&] { setOuterWidth(decision.value); });
      return;
    case ResizeAction::SetOuterHeight:
      trap.step(3, [&] { setOuterHeight(decision.value); });
      return;
    case ResizeAction::Layout:
      break;
  }
  const auto places = controlPlaces();
  for (int row = 1; row <= kLayoutRowCount; ++row)
    if (!trap.step(3 + row, [&] {
          layoutRow(row, geometry_, innerWidth, innerHeight);
          placeControl(places[static_cast<std::size_t>(row - 1)]);
        }))
      return;
}

// Outer sizes include the frame; the widget's own size does not. The new size
// raises the next resize event, which goes on from there.
void frmScopster::setOuterWidth(float twips) {
  const int decorations = frameGeometry().width() - width();
  resize(widgets::pixelsCoveringX(twips, *this) - decorations, height());
}

void frmScopster::setOuterHeight(float twips) {
  const int decorations = frameGeometry().height() - height();
  resize(width(), widgets::pixelsCoveringY(twips, *this) - decorations);
}

// --- Commands ---

void frmScopster::cmdAnalyse_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "cmdAnalyse_Click", bError};
  bool starting = false;
  if (!trap.step(1, [&] { starting = cmdAnalyse_->text() == QStringLiteral("&Analyse"); })) return;
  // Any other caption means this click arrived while the run was yielding.
  if (!starting) {
    trap.step(2, [&] { stopRequested_ = true; });
    return;
  }
  if (!trap.step(3, [&] { cmdAnalyse_->setText(QStringLiteral("&Stop")); })) return;
  if (!trap.step(4, [&] {
        analyser_->setProject(utilities::pathFromText(runView_->sourceText()));
        analyser_->mAnalyse(bError);
      }))
    return;
  if (!trap.step(5, [&] {
        stopRequested_ = false;
        runView_->showListMoves();  // those made after the run's last yield
      }))
    return;
  trap.step(6, [&] {
    if (!unloading_) cmdAnalyse_->setText(QStringLiteral("&Analyse"));
  });
}

void frmScopster::chkAutoScroll_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "chkAutoScroll_Click", bError};
  trap.step(1, [&] {
    presenter_->autoScrollClicked(cmdAnalyse_->text() == QStringLiteral("&Stop"));
    runView_->showListMoves();
  });
}

void frmScopster::txtSource_Change() {
  bool bError = false;
  ErrorTrap trap{kFormName, "txtSource_Change", bError};
  trap.step(1, [&] { runView_->clearList(); });
}

void frmScopster::txtSource_DblClick() {
  bool bError = false;
  ErrorTrap trap{kFormName, "txtSource_DblClick", bError};
  trap.step(1, [&] { mGetFileSpec(sourceBoxFolder_, bError); });
}

void frmScopster::mnuFileOpenProject_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuFileOpenProject_Click", bError};
  trap.step(1, [&] { mGetFileSpec(openProjectFolder_, bError); });
}

void frmScopster::mnuFilePrint_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuFilePrint_Click", bError};
  std::unique_ptr<platform::Printer> printer;
  if (!trap.step(1, [&] { printer = options_.printer(); })) return;
  for (std::int32_t index = 0; index < runView_->listCount(); ++index)
    if (!trap.step(2, [&] { printerIn(printer).printLine(runView_->listLine(index)); })) return;
  trap.step(3, [&] { utilities::gPrintBylineEndDoc(printerIn(printer), 0, bError); });
}

void frmScopster::mnuFileLastFile_Click(std::int16_t index) {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuFileLastFile_Click", bError};
  if (!trap.step(1, [&] {
        const std::string caption = recentFiles_->recentEntryCaption(index);
        runView_->setSourceText(vb::Right(caption, vb::Len(caption) - kRecentPrefixLength));
      }))
    return;
  trap.step(2, [&] { gLastFileUpdate(*recentFiles_, bError); });
}

void frmScopster::mnuFileExit_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuFileExit_Click", bError};
  trap.step(1, [&] { close(); });
}

void frmScopster::mnuHelpHelp_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuHelpHelp_Click", bError};
  trap.step(1, [&] { utilities::gGShowHelp(bError); });
}

void frmScopster::mnuHelpAbout_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "mnuHelpAbout_Click", bError};
  trap.step(1, [&] { about::showAboutBox(this); });
}

// --- Settings and the browse dialog ---

void frmScopster::mGetSettings(bool& bError) {
  ErrorTrap trap{kFormName, "mGetSettings", bError};
  if (!trap.step(1, [&] { gLastFileRead(*recentFiles_, bError); })) return;
  if (bError) return;
  if (!trap.step(2, [&] {
        const std::string newest = recentFiles_->recentEntryCaption(1);
        if (!newest.empty()) runView_->setSourceText(afterFirstBlank(newest));
      }))
    return;
  trap.step(3, [&] { chkAutoScroll_->setValue(vb::CInt(platform::getSetting(kSection, "chkAutoScroll", "0"))); });
}

void frmScopster::mSaveSettings(bool& bError) {
  ErrorTrap trap{kFormName, "mSaveSettings", bError};
  if (!trap.step(1, [&] { platform::saveSetting(kSection, "txtSource", runView_->sourceText()); })) return;
  trap.step(2, [&] { platform::saveSetting(kSection, "chkAutoScroll", std::to_string(chkAutoScroll_->value())); });
}

void frmScopster::mGetFileSpec(std::string& folder, bool& bError) {
  ErrorTrap trap{kFormName, "mGetFileSpec", bError};
  diagnostics::FileOpenRequest request;
  std::string fileName;
  if (!trap.step(1, [&] {
        request.title = "Source file";
        request.filter = "Visual Basic Projects (*.vbp)|*.vbp";
        request.fileName = "*.vbp";
        request.initialFolder = folder.empty() ? utilities::pathText(options_.applicationFolder) : folder;
        request.flags = kBrowseFlags;
      }))
    return;
  if (!trap.step(2, [&] { fileName = installedDialogs().openFile(request); })) return;
  if (!trap.step(3, [&] { folder = folderOf(fileName); })) return;
  // Cancel leaves the pattern in the file name.
  if (fileName.empty() || fileName.find('*') != std::string::npos) return;
  if (!trap.step(4, [&] { runView_->setSourceText(fileName); })) return;
  trap.step(5, [&] { gLastFileUpdate(*recentFiles_, bError); });
}

}  // namespace main_window
