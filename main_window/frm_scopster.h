#pragma once
// The main window: the project path, the Analyse/Stop button, the result list
// with its progress labels, the File and Help menus, and the start-up and
// shut-down of the whole application. The run's events reach the window
// through a ResultListPresenter over its WindowRunView, the recent-file list
// through its RecentFileMenu.

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/analyser.h"
#include "forms/result_list_presenter.h"
#include "main_window/default_printer.h"
#include "forms/form_layout.h"
#include "platform/application_info.h"
#include "widgets/widget_placement.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace about {
class frmSplash;
}

namespace widgets {
class VbCheckBox;
}

namespace main_window {

using forms::FormGeometry;
using forms::TwipsRect;
using forms::kLayoutRowCount;

class RecentFileMenu;
class ResultList;
class WindowRunView;

inline constexpr std::string_view kFormName = "frmScopster";

// What differs between the running program and a test or benchmark of it.
struct WindowOptions {
  // The run yields to the window no more often than this.
  std::chrono::milliseconds yieldInterval = engine::Analyser::kDefaultYieldInterval;
  // What a yield of the run does: let the window's pending events run.
  std::function<void()> yield = processWindowEvents;
  // Makes the printer of each File > Print.
  PrinterFactory printer = defaultPrinter;
  // Made current at start-up; the browse dialog opens here at first.
  std::filesystem::path applicationFolder = platform::applicationFolder();

  static void processWindowEvents();
};

class frmScopster : public QMainWindow {
 public:
  explicit frmScopster(WindowOptions options = {});
  ~frmScopster() override;
  frmScopster(const frmScopster&) = delete;
  frmScopster& operator=(const frmScopster&) = delete;

  // Start-up of the application: splash, start-up routine, settings, show.
  void Form_Load();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct ControlPlace {
    TwipsRect FormGeometry::*rect;
    QWidget* widget;
  };

  void createControls();
  void createMenus();
  void connectEvents();
  void setDesignSize();
  std::array<ControlPlace, kLayoutRowCount + 1> controlPlaces() const;
  void placeControl(const ControlPlace& place);
  void keepSourceFileClearOfProcessing();
  float minimumOuterWidth() const;

  void startUp(QPointer<about::frmSplash>& splash, bool& bError);
  void finishStartUp(QPointer<about::frmSplash>& splash, bool& bError);
  void Form_Unload();
  void Form_Resize();
  void setOuterWidth(float twips);
  void setOuterHeight(float twips);
  void cmdAnalyse_Click();
  void chkAutoScroll_Click();
  void txtSource_Change();
  void txtSource_DblClick();
  void mnuFileOpenProject_Click();
  void mnuFilePrint_Click();
  void mnuFileLastFile_Click(std::int16_t index);
  void mnuFileExit_Click();
  void mnuHelpHelp_Click();
  void mnuHelpAbout_Click();

  void mGetSettings(bool& bError);
  void mSaveSettings(bool& bError);
  void mGetFileSpec(std::string& folder, bool& bError);

  WindowOptions options_;
  widgets::WidgetPlacement placement_;
  FormGeometry geometry_;

  bool stopRequested_ = false;
  bool unloading_ = false;
  // Each way into the browse dialog remembers its own folder.
  std::string openProjectFolder_;
  std::string sourceBoxFolder_;

  QPushButton* cmdAnalyse_ = nullptr;
  QLabel* lblSource_ = nullptr;
  QLineEdit* txtSource_ = nullptr;
  ResultList* lstText_ = nullptr;
  QLabel* lblRunTime_ = nullptr;
  QLabel* lblSourceFile_ = nullptr;
  QLabel* lblSearchFile_ = nullptr;
  QLabel* lblPublic_ = nullptr;
  QLabel* lblProcessing_ = nullptr;
  widgets::VbCheckBox* chkAutoScroll_ = nullptr;

  QAction* mnuFileOpenProject_ = nullptr;
  QAction* mnuFilePrint_ = nullptr;
  QAction* mnuFileExit_ = nullptr;
  QAction* mnuHelpHelp_ = nullptr;
  QAction* mnuHelpAbout_ = nullptr;

  std::unique_ptr<WindowRunView> runView_;
  std::unique_ptr<forms::ResultListPresenter> presenter_;
  std::unique_ptr<RecentFileMenu> recentFiles_;
  std::unique_ptr<engine::Analyser> analyser_;
};

}  // namespace main_window
