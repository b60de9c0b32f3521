// Start-up and shut-down of the application, which the main window owns.

#include <QCloseEvent>

#include <filesystem>
#include <system_error>

#include "about/splash.h"
#include "diagnostics/app_globals.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/locale_info.h"
#include "main_window/frm_scopster.h"
#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"
#include "utilities/general.h"
#include "utilities/placement.h"

namespace main_window {

namespace {

void makeCurrentDirectory(const std::filesystem::path& folder) {
  std::error_code failure;
  std::filesystem::current_path(folder, failure);
  if (failure) throw vb::VbError::fromErrno(failure.value());
}

}  // namespace

void frmScopster::Form_Load() {
  bool bError = false;
  QPointer<frmSplash> splash;
  startUp(splash, bError);
  finishStartUp(splash, bError);
}

void frmScopster::startUp(QPointer<frmSplash>& splash, bool& bError) {
  diagnostics::ErrorTrap trap{kFormName, "Form_Load", bError};
  if (!trap.step(1, [&] { splash = showSplash(); })) return;
  if (!trap.step(2, [&] { utilities::gGStartUpSetStuff(placement_, bError); })) return;
  if (!trap.step(3, [&] { setWindowTitle(platform::qStringFromCp1252(diagnostics::gsMsgBoxTitle)); })) return;
  if (!trap.step(4, [&] { makeCurrentDirectory(options_.applicationFolder); })) return;
  trap.step(5, [&] { mGetSettings(bError); });
}

// Runs even when start-up ended early: the user must never be left with the
// splash window and no main window.
void frmScopster::finishStartUp(QPointer<frmSplash>& splash, bool& bError) {
  diagnostics::ErrorTrap trap{kFormName, "Form_Load", bError};
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
  diagnostics::ErrorTrap trap{kFormName, "Form_Unload", bError};
  if (!trap.step(1, [&] { mbStop = true; })) return;
  if (!trap.step(2, [&] { mbUnloading = true; })) return;
  if (!trap.step(3, [&] { diagnostics::gGetLocaleInfoSaveUserRegion(bError); })) return;
  if (bError) return;
  if (!trap.step(4, [&] { mSaveSettings(bError); })) return;
  if (bError) return;
  trap.step(5, [&] { utilities::gGFormLeftEtcSave(placement_, bError); });
}

void frmScopster::mnuFileExit_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "mnuFileExit_Click", bError};
  trap.step(1, [&] { close(); });
}

}  // namespace main_window
