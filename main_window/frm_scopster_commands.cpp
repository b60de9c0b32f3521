// The window's commands: Analyse/Stop, AutoScroll, the source box, the File
// and Help menus.

#include <QPushButton>

#include <memory>

#include "about/frm_about.h"
#include "diagnostics/error_trap.h"
#include "main_window/frm_scopster.h"
#include "runtime/vb_error.h"
#include "runtime/vb_strings.h"
#include "utilities/general.h"
#include "utilities/print_byline.h"

namespace main_window {

namespace {

constexpr std::int32_t kObjectNotSet = 91;

// A printer that could not be made (the failure was ignored) cannot print.
platform::Printer& printerIn(const std::unique_ptr<platform::Printer>& printer) {
  if (!printer) throw vb::VbError(kObjectNotSet, "Object variable or With block variable not set");
  return *printer;
}

// "&n " in front of a recent file's path.
constexpr std::int64_t kRecentPrefixLength = 3;

}  // namespace

void frmScopster::cmdAnalyse_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "cmdAnalyse_Click", bError};
  bool starting = false;
  if (!trap.step(1, [&] { starting = cmdAnalyse->text() == QStringLiteral("&Analyse"); })) return;
  // Any other caption means this click arrived while the run was yielding.
  if (!starting) {
    trap.step(2, [&] { mbStop = true; });
    return;
  }
  if (!trap.step(3, [&] { cmdAnalyse->setText(QStringLiteral("&Stop")); })) return;
  if (!trap.step(4, [&] { analyser_.mAnalyse(bError); })) return;
  if (!trap.step(5, [&] { mbStop = false; })) return;
  trap.step(6, [&] {
    if (!mbUnloading) cmdAnalyse->setText(QStringLiteral("&Analyse"));
  });
}

void frmScopster::chkAutoScroll_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "chkAutoScroll_Click", bError};
  trap.step(1, [&] {
    if (autoScrollValue() != 1 || cmdAnalyse->text() != QStringLiteral("&Stop")) return;
    // The list may have been emptied during the run; then nothing is selected.
    const std::int32_t count = listCount();
    setListIndex(count >= 2 ? count - 2 : -1);
  });
}

void frmScopster::txtSource_Change() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "txtSource_Change", bError};
  trap.step(1, [&] { clearList(); });
}

void frmScopster::txtSource_DblClick() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "txtSource_DblClick", bError};
  trap.step(1, [&] { mGetFileSpec(msSourceBoxFolder, bError); });
}

void frmScopster::mnuFileOpenProject_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "mnuFileOpenProject_Click", bError};
  trap.step(1, [&] { mGetFileSpec(msOpenProjectFolder, bError); });
}

void frmScopster::mnuFilePrint_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "mnuFilePrint_Click", bError};
  std::unique_ptr<platform::Printer> printer;
  if (!trap.step(1, [&] { printer = options_.printer(); })) return;
  for (std::int32_t index = 0; index < listCount(); ++index)
    if (!trap.step(2, [&] { printerIn(printer).printLine(listLine(index)); })) return;
  trap.step(3, [&] { utilities::gPrintBylineEndDoc(printerIn(printer), 0, bError); });
}

void frmScopster::mnuFileLastFile_Click(std::int16_t index) {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "mnuFileLastFile_Click", bError};
  if (!trap.step(1, [&] {
        const std::string caption = recentEntryCaption(index);
        setSourceText(vb::Right(caption, vb::Len(caption) - kRecentPrefixLength));
      }))
    return;
  trap.step(2, [&] { gLastFileUpdate(*this, bError); });
}

void frmScopster::mnuHelpHelp_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "mnuHelpHelp_Click", bError};
  trap.step(1, [&] { utilities::gGShowHelp(bError); });
}

void frmScopster::mnuHelpAbout_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "mnuHelpAbout_Click", bError};
  trap.step(1, [&] { showAboutBox(this); });
}

}  // namespace main_window
