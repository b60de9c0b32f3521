#include "forms/frm_scopster.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <utility>

#include "diagnostics/app_globals.h"
#include "diagnostics/dialogs.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/locale_info.h"
#include "forms/provided.h"
#include "forms/recent_file_entries.h"
#include "platform/application_info.h"
#include "platform/settings_store.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"
#include "utilities/placement.h"
#include "utilities/print_byline.h"
#include "utilities/vb_path.h"

namespace forms {

namespace {

using diagnostics::ErrorTrap;

constexpr std::string_view kSection = platform::ApplicationInfo::kTitle;
constexpr std::string_view kAnalyse = "&Analyse";
constexpr std::string_view kStop = "&Stop";
// "&n " in front of a recent file's path.
constexpr std::int64_t kRecentPrefixLength = 3;
// Windows file-dialog options: the file must exist, the current directory
// stays, no read-only box.
constexpr int kBrowseFlags = 0x1000 | 0x8 | 0x4;
// The widest caption the run gives lblRunTime: counts are 16-bit.
constexpr std::string_view kWidestRunTimeCaption = "Run Time: 00:00:00  File: 32767/32767";
// The room the design leaves between lblProcessing and lblSourceFile.
constexpr float kProcessingGap = 105;
constexpr std::string_view kProcessingCaption = "Processing:";
constexpr std::string_view kAutoScrollCaption = "A&utoScroll";

// A control and its rectangle in the form's geometry.
struct ControlPlace {
  ScopsterControl control;
  TwipsRect FormGeometry::*rect;
};

// Rows 1 to kLayoutRowCount in the order the layout moves them, then the
// control the layout leaves where it is.
constexpr std::array<ControlPlace, kLayoutRowCount + 1> kControlPlaces{{
    {ScopsterControl::lstText, &FormGeometry::lstText},
    {ScopsterControl::cmdAnalyse, &FormGeometry::cmdAnalyse},
    {ScopsterControl::chkAutoScroll, &FormGeometry::chkAutoScroll},
    {ScopsterControl::txtSource, &FormGeometry::txtSource},
    {ScopsterControl::lblRunTime, &FormGeometry::lblRunTime},
    {ScopsterControl::lblProcessing, &FormGeometry::lblProcessing},
    {ScopsterControl::lblSourceFile, &FormGeometry::lblSourceFile},
    {ScopsterControl::lblPublic, &FormGeometry::lblPublic},
    {ScopsterControl::lblSearchFile, &FormGeometry::lblSearchFile},
    {ScopsterControl::lblSource, &FormGeometry::lblSource},
}};

void makeCurrentDirectory(const std::filesystem::path& folder) {
  std::error_code failure;
  std::filesystem::current_path(folder, failure);
  if (failure) throw vb::VbError::fromErrno(failure.value());
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

// The stored AutoScroll value, refused as the check box refuses it.
std::int16_t checkBoxValue(std::string_view stored) {
  const std::int16_t value = vb::CInt(stored);
  if (value < 0 || value > 2) vb::raise(vb::err::InvalidPropertyValue);
  return value;
}

}  // namespace

frmScopster::frmScopster(ScopsterView& view, ScopsterServices services)
    : view_(view),
      services_(std::move(services)),
      geometry_(designGeometry()),
      recentFiles_(std::make_unique<RecentFileEntries>(view)),
      presenter_(std::make_unique<ResultListPresenter>(view)),
      analyser_(std::make_unique<engine::Analyser>(*presenter_, services_.yieldInterval)) {
  setAnalyseCaption(kAnalyse);
  for (const ControlPlace& place : kControlPlaces) placeControl(place.control);
}

frmScopster::~frmScopster() = default;

void frmScopster::placeControl(ScopsterControl control) {
  for (const ControlPlace& place : kControlPlaces)
    if (place.control == control) view_.placeControl(control, shownPlace(control, geometry_.*place.rect));
}

// "Processing:" may need more room in the view's font than the design gave
// it; the file name beside it then starts later rather than under it.
// AutoScroll, grown for its caption, moves left rather than out of the window.
TwipsRect frmScopster::shownPlace(ScopsterControl control, TwipsRect place) const {
  if (control == ScopsterControl::chkAutoScroll) {
    place.width = std::max(place.width, view_.captionWidth(control, kAutoScrollCaption));
    const float overflow = place.left + place.width - view_.clientWidth();
    if (overflow > 0) place.left = std::max(0.0F, place.left - overflow);
    return place;
  }
  if (control == ScopsterControl::lblProcessing)
    place.width = std::max(place.width, view_.captionWidth(control, kProcessingCaption));
  if (control != ScopsterControl::lblSourceFile) return place;
  const TwipsRect processing = shownPlace(ScopsterControl::lblProcessing, geometry_.lblProcessing);
  const float clearLeft = processing.left + processing.width + kProcessingGap;
  if (place.left >= clearLeft) return place;
  place.width = std::max(0.0F, place.width - (clearLeft - place.left));
  place.left = clearLeft;
  return place;
}

void frmScopster::setAnalyseCaption(std::string_view caption) {
  view_.setAnalyseCaption(caption);
  analyseCaption_ = caption;
}

// --- Start-up and shut-down ---

void frmScopster::Form_Load() {
  bool bError = false;
  std::unique_ptr<OpenedWindow> splash;
  startUp(splash, bError);
  finishStartUp(splash, bError);
}

void frmScopster::startUp(std::unique_ptr<OpenedWindow>& splash, bool& bError) {
  ErrorTrap trap{kFormName, "Form_Load", bError};
  if (!trap.step(1, [&] { splash = provided(services_.showSplash)(); })) return;
  if (!trap.step(2, [&] { utilities::gGStartUpSetStuff(view_, bError); })) return;
  if (!trap.step(3, [&] { view_.setTitle(vb::cp1252ToUtf8(diagnostics::gsMsgBoxTitle)); })) return;
  if (!trap.step(4, [&] { makeCurrentDirectory(services_.applicationFolder); })) return;
  trap.step(5, [&] { mGetSettings(bError); });
}

// Runs even when start-up ended early: the user must never be left with the
// splash window and no main window.
void frmScopster::finishStartUp(std::unique_ptr<OpenedWindow>& splash, bool& bError) {
  ErrorTrap trap{kFormName, "Form_Load", bError};
  if (!trap.step(6, [&] { view_.showWindow(); })) return;
  trap.step(7, [&] {
    if (splash) splash->closeWindow();
  });
}

// A close may arrive while a run is yielding inside cmdAnalyse_Click; the
// window then only hides, and the run's caller finishes before it goes.
void frmScopster::Form_Unload() {
  bool bError = false;
  ErrorTrap trap{kFormName, "Form_Unload", bError};
  if (!trap.step(1, [&] { stopRequested_ = true; })) return;
  if (!trap.step(2, [&] { unloading_ = true; })) return;
  if (!trap.step(3, [&] { diagnostics::gGetLocaleInfoSaveUserRegion(bError); })) return;
  if (bError) return;
  if (!trap.step(4, [&] { mSaveSettings(bError); })) return;
  if (bError) return;
  trap.step(5, [&] { utilities::gGFormLeftEtcSave(view_, bError); });
}

// --- Size and layout ---

// The run-time caption is laid out for the widest one it can show, so that
// the file counter is never cut off or hidden under the Analyse button.
float frmScopster::minimumOuterWidth() const {
  const float frame = view_.outerWidth() - view_.clientWidth();
  return forms::minimumOuterWidth(geometry_, view_.captionWidth(ScopsterControl::lblRunTime, kWidestRunTimeCaption),
                                  frame);
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
        innerWidth = view_.minimized() ? 0 : view_.clientWidth();
        innerHeight = view_.clientHeight();
        decision = decideResize(innerWidth, view_.outerWidth(), view_.outerHeight(), minimumOuterWidth());
      }))
    return;
  switch (decision.action) {
    case ResizeAction::Nothing:
      return;
    case ResizeAction::SetOuterWidth:
      trap.step(2, [&] { view_.setOuterWidth(decision.value); });
      return;
    case ResizeAction::SetOuterHeight:
      trap.step(3, [&] { view_.setOuterHeight(decision.value); });
      return;
    case ResizeAction::Layout:
      break;
  }
  for (int row = 1; row <= kLayoutRowCount; ++row)
    if (!trap.step(3 + row, [&] {
          layoutRow(row, geometry_, innerWidth, innerHeight);
          placeControl(kControlPlaces[static_cast<std::size_t>(row - 1)].control);
        }))
      return;
}

// --- Commands ---

void frmScopster::cmdAnalyse_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "cmdAnalyse_Click", bError};
  bool starting = false;
  if (!trap.step(1, [&] { starting = analyseCaption_ == kAnalyse; })) return;
  // Any other caption means this click arrived while the run was yielding.
  if (!starting) {
    trap.step(2, [&] { stopRequested_ = true; });
    return;
  }
  if (!trap.step(3, [&] { setAnalyseCaption(kStop); })) return;
  if (!trap.step(4, [&] { runAnalysis(bError); })) return;
  if (!trap.step(5, [&] {
        stopRequested_ = false;
        view_.showListMoves();  // those made after the run's last yield
      }))
    return;
  trap.step(6, [&] {
    if (!unloading_) setAnalyseCaption(kAnalyse);
  });
}

// The source box holds a path from the system: it reaches the engine as a
// native path. A failure leaves the run as over as a normal end does.
void frmScopster::runAnalysis(bool& bError) {
  struct RunningFlag {
    bool& on;
    explicit RunningFlag(bool& flag) : on(flag) { on = true; }
    ~RunningFlag() { on = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;
  } running{running_};
  analyser_->setProject(utilities::pathFromText(view_.sourceText()));
  analyser_->mAnalyse(bError);
}

void frmScopster::chkAutoScroll_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "chkAutoScroll_Click", bError};
  trap.step(1, [&] {
    presenter_->autoScrollClicked(analyseCaption_ == kStop);
    view_.showListMoves();
  });
}

void frmScopster::txtSource_Change() {
  bool bError = false;
  ErrorTrap trap{kFormName, "txtSource_Change", bError};
  trap.step(1, [&] { view_.clearList(); });
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
  if (!trap.step(1, [&] { printer = provided(services_.printer)(); })) return;
  for (std::int32_t index = 0; index < view_.listCount(); ++index)
    if (!trap.step(2, [&] { provided(printer)->printLine(view_.listLine(index)); })) return;
  trap.step(3, [&] { utilities::gPrintBylineEndDoc(*provided(printer), 0, bError); });
}

void frmScopster::mnuFileLastFile_Click(std::int16_t index) {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuFileLastFile_Click", bError};
  if (!trap.step(1, [&] {
        const std::string caption = recentFiles_->recentEntryCaption(index);
        view_.setSourceText(vb::Right(caption, vb::Len(caption) - kRecentPrefixLength));
      }))
    return;
  trap.step(2, [&] { gLastFileUpdate(*recentFiles_, bError); });
}

void frmScopster::mnuFileExit_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuFileExit_Click", bError};
  trap.step(1, [&] { view_.closeWindow(); });
}

void frmScopster::mnuHelpHelp_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuHelpHelp_Click", bError};
  trap.step(1, [&] { utilities::gGShowHelp(services_.openHelpFile, bError); });
}

void frmScopster::mnuHelpAbout_Click() {
  bool bError = false;
  ErrorTrap trap{kFormName, "mnuHelpAbout_Click", bError};
  trap.step(1, [&] { provided(services_.showAboutBox)(); });
}

// --- Settings and the browse dialog ---

void frmScopster::mGetSettings(bool& bError) {
  ErrorTrap trap{kFormName, "mGetSettings", bError};
  if (!trap.step(1, [&] { gLastFileRead(*recentFiles_, bError); })) return;
  if (bError) return;
  if (!trap.step(2, [&] {
        const std::string newest = recentFiles_->recentEntryCaption(1);
        if (!newest.empty()) view_.setSourceText(afterFirstBlank(newest));
      }))
    return;
  trap.step(3, [&] { view_.setAutoScrollValue(checkBoxValue(platform::getSetting(kSection, "chkAutoScroll", "0"))); });
}

void frmScopster::mSaveSettings(bool& bError) {
  ErrorTrap trap{kFormName, "mSaveSettings", bError};
  if (!trap.step(1, [&] { platform::saveSetting(kSection, "txtSource", view_.sourceText()); }))
    return;
  trap.step(2, [&] { platform::saveSetting(kSection, "chkAutoScroll", std::to_string(view_.autoScrollValue())); });
}

void frmScopster::mGetFileSpec(std::string& folder, bool& bError) {
  ErrorTrap trap{kFormName, "mGetFileSpec", bError};
  diagnostics::FileOpenRequest request;
  std::string fileName;
  if (!trap.step(1, [&] {
        request.title = "Source file";
        request.filter = "Visual Basic Projects (*.vbp)|*.vbp";
        request.fileName = "*.vbp";
        request.initialFolder = folder.empty() ? utilities::pathText(services_.applicationFolder) : folder;
        request.flags = kBrowseFlags;
      }))
    return;
  if (!trap.step(2, [&] { fileName = provided(services_.dialogs)->openFile(request); })) return;
  if (!trap.step(3, [&] { folder = folderOf(fileName); })) return;
  // Cancel leaves the pattern in the file name.
  if (fileName.empty() || fileName.find('*') != std::string::npos) return;
  if (!trap.step(4, [&] { view_.setSourceText(fileName); })) return;
  trap.step(5, [&] { gLastFileUpdate(*recentFiles_, bError); });
}

}  // namespace forms
