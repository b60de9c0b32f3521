#pragma once
// The main window's behaviour, free of any toolkit: start-up and shut-down,
// settings, Analyse/Stop, the source box, the menus and recent files, print
// and the resize rules. A view (Qt or Win32) forwards its events to the
// procedures below and lets the form set its properties.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "engine/analyser.h"
#include "forms/form_layout.h"
#include "forms/result_list_presenter.h"
#include "forms/scopster_view.h"
#include "platform/printer.h"
#include "utilities/general.h"

namespace diagnostics {
class Dialogs;
}

namespace forms {

inline constexpr std::string_view kFormName = "frmScopster";

// A window the form opened and may close later, if it is still open (a key
// press may close the splash early).
class OpenedWindow {
 public:
  virtual ~OpenedWindow() = default;
  virtual void closeWindow() = 0;
};

// What the form opens besides itself, and what differs between the running
// program and a test or benchmark of it. The toolkit's side provides each.
struct ScopsterServices {
  diagnostics::Dialogs* dialogs = nullptr;
  // Loads and shows the splash window (which sets the product version).
  std::function<std::unique_ptr<OpenedWindow>()> showSplash;
  // Loads a fresh About box and shows it modally.
  std::function<void()> showAboutBox;
  // Makes the printer of each File > Print.
  std::function<std::unique_ptr<platform::Printer>()> printer;
  // Made current at start-up; the browse dialog opens here at first.
  std::filesystem::path applicationFolder;
  // Opens the help file (platform::openFile in the programs).
  utilities::DocumentOpener openHelpFile;
  // The run yields to the window no more often than this.
  std::chrono::milliseconds yieldInterval = engine::Analyser::kDefaultYieldInterval;
};

class RecentFileEntries;

class frmScopster {
 public:
  frmScopster(ScopsterView& view, ScopsterServices services);
  ~frmScopster();
  frmScopster(const frmScopster&) = delete;
  frmScopster& operator=(const frmScopster&) = delete;

  // The events a view forwards.
  void Form_Load();
  void Form_Unload();
  void Form_Resize();
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

  // mbStop: a stop of the run has been requested (by Stop or by closing).
  // A view answers ResultListView::stopRequested with it.
  bool stopRequested() const { return stopRequested_; }
  // A run is on, even one yielding now.
  bool running() const { return running_; }
  // The least outer width Form_Resize keeps (the height's is
  // kMinimumOuterHeight), for a view whose window system takes a minimum
  // size while the user drags. Raises what the view's measures raise.
  float minimumOuterWidth() const;

 private:
  void startUp(std::unique_ptr<OpenedWindow>& splash, bool& bError);
  void finishStartUp(std::unique_ptr<OpenedWindow>& splash, bool& bError);
  void placeControl(ScopsterControl control);
  TwipsRect shownPlace(ScopsterControl control, TwipsRect place) const;
  void setAnalyseCaption(std::string_view caption);
  void runAnalysis(bool& bError);
  void mGetSettings(bool& bError);
  void mSaveSettings(bool& bError);
  void mGetFileSpec(std::string& folder, bool& bError);

  ScopsterView& view_;
  ScopsterServices services_;
  FormGeometry geometry_;
  // cmdAnalyse's caption as last set: the form's only record of whether a
  // click starts a run or stops one.
  std::string_view analyseCaption_;
  bool stopRequested_ = false;
  bool running_ = false;
  bool unloading_ = false;
  // Each way into the browse dialog remembers its own folder.
  std::string openProjectFolder_;
  std::string sourceBoxFolder_;
  std::unique_ptr<RecentFileEntries> recentFiles_;
  std::unique_ptr<ResultListPresenter> presenter_;
  std::unique_ptr<engine::Analyser> analyser_;
};

}  // namespace forms
