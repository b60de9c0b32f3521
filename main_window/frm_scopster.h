#pragma once
// The main window: the project path, the Analyse/Stop button, the result list
// with its progress labels, the File and Help menus, and the start-up and
// shut-down of the whole application. Texts cross into the widgets as UTF-8
// and come back as Windows-1252 bytes.

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/analyser.h"
#include "engine/run_view.h"
#include "main_window/default_printer.h"
#include "main_window/form_layout.h"
#include "main_window/recent_files.h"
#include "widgets/widget_placement.h"
#include "platform/application_info.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class frmSplash;

namespace widgets {
class VbCheckBox;
}

namespace main_window {

using widgets::VbCheckBox;
using widgets::WidgetPlacement;

inline constexpr std::string_view kFormName = "frmScopster";
inline constexpr std::int16_t kRecentFileCount = 4;

// What differs between the running program and a test or benchmark of it.
struct WindowOptions {
  // The run yields to the window no more often than this.
  std::chrono::milliseconds yieldInterval = engine::Analyser::kDefaultYieldInterval;
  // Makes the printer of each File > Print.
  PrinterFactory printer = defaultPrinter;
  // Made current at start-up; the browse dialog opens here at first.
  std::filesystem::path applicationFolder = platform::applicationFolder();
};

class frmScopster : public QMainWindow, public engine::RunView, public RecentFileHost {
 public:
  explicit frmScopster(WindowOptions options = {});
  ~frmScopster() override;
  frmScopster(const frmScopster&) = delete;
  frmScopster& operator=(const frmScopster&) = delete;

  // Start-up of the application: splash, start-up routine, settings, show.
  void Form_Load();

  // engine::RunView and RecentFileHost share sourceText.
  std::string sourceText() const override;
  void clearList() override;
  void appendLine(std::string_view line) override;
  std::int32_t listCount() const override;
  void setListIndex(std::int32_t index) override;
  std::int16_t autoScrollValue() const override;
  void setRunTimeCaption(std::string_view caption) override;
  std::string runTimeCaption() const override;
  void setProcessingVisible(bool visible) override;
  void setSourceFileCaption(std::string_view caption) override;
  void setPublicCaption(std::string_view caption) override;
  void setSearchFileCaption(std::string_view caption) override;
  void repaint() override;
  void yield() override;
  bool stopRequested() const override;

  std::int16_t recentLowerBound() const override { return 1; }
  std::int16_t recentUpperBound() const override { return kRecentFileCount; }
  std::string recentEntryCaption(std::int16_t index) const override;
  void setRecentEntryCaption(std::int16_t index, std::string_view caption) override;
  bool recentEntryVisible(std::int16_t index) const override;
  void setRecentEntryVisible(std::int16_t index, bool visible) override;
  void setRecentSeparatorVisible(bool visible) override;

  // The controls' places in twips, as the window keeps them.
  const FormGeometry& formGeometry() const { return geometry_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A progress label and the text it shows, so that an unchanged text costs
  // nothing: the run sets them far more often than they change.
  struct ProgressLabel {
    QLabel* label = nullptr;
    std::string caption;
  };
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

  void startUp(QPointer<frmSplash>& splash, bool& bError);
  void finishStartUp(QPointer<frmSplash>& splash, bool& bError);
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

  void setSourceText(std::string_view text);
  std::string listLine(std::int32_t index) const;
  QAction* recentEntry(std::int16_t index) const;
  static void setCaption(ProgressLabel& label, std::string_view caption);

  WindowOptions options_;
  engine::Analyser analyser_;
  WidgetPlacement placement_;
  FormGeometry geometry_;

  bool mbStop = false;
  bool mbUnloading = false;
  // Each way into the browse dialog remembers its own folder.
  std::string msOpenProjectFolder;
  std::string msSourceBoxFolder;

  QPushButton* cmdAnalyse = nullptr;
  QLabel* lblSource = nullptr;
  QLineEdit* txtSource = nullptr;
  QListWidget* lstText = nullptr;
  ProgressLabel lblRunTime;
  ProgressLabel lblSourceFile;
  ProgressLabel lblSearchFile;
  ProgressLabel lblPublic;
  QLabel* lblProcessing = nullptr;
  VbCheckBox* chkAutoScroll = nullptr;

  QMenu* mnuFile = nullptr;
  QAction* mnuFileOpenProject = nullptr;
  QAction* mnuFiHyphen2 = nullptr;
  QAction* mnuFilePrint = nullptr;
  QAction* mnuFileHyphenLastFile = nullptr;
  std::array<QAction*, kRecentFileCount> mnuFileLastFile{};
  QAction* mnuFileHyphen4 = nullptr;
  QAction* mnuFileExit = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuHelpHelp = nullptr;
  QAction* mnuHelpAbout = nullptr;
};

}  // namespace main_window
