// The window's own settings and the project browse dialog.

#include <string>

#include "diagnostics/dialogs.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "main_window/frm_scopster.h"
#include "widgets/vb_check_box.h"
#include "platform/settings_store.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"

namespace main_window {

namespace {

constexpr std::string_view kSection = platform::ApplicationInfo::kTitle;
constexpr std::int32_t kObjectNotSet = 91;

// Windows file-dialog options: the file must exist, the current directory
// stays, no read-only box.
constexpr int kBrowseFlags = 0x1000 | 0x8 | 0x4;

diagnostics::Dialogs& installedDialogs() {
  diagnostics::Dialogs* dialogs = diagnostics::errorHandlerSetup().dialogs;
  if (dialogs == nullptr) throw vb::VbError(kObjectNotSet, "Object variable or With block variable not set");
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

void frmScopster::mGetSettings(bool& bError) {
  diagnostics::ErrorTrap trap{kFormName, "mGetSettings", bError};
  if (!trap.step(1, [&] { gLastFileRead(*this, bError); })) return;
  if (bError) return;
  if (!trap.step(2, [&] {
        const std::string newest = recentEntryCaption(1);
        if (!newest.empty()) setSourceText(afterFirstBlank(newest));
      }))
    return;
  trap.step(3, [&] { chkAutoScroll->setValue(vb::CInt(platform::getSetting(kSection, "chkAutoScroll", "0"))); });
}

void frmScopster::mSaveSettings(bool& bError) {
  diagnostics::ErrorTrap trap{kFormName, "mSaveSettings", bError};
  if (!trap.step(1, [&] { platform::saveSetting(kSection, "txtSource", sourceText()); })) return;
  trap.step(2, [&] { platform::saveSetting(kSection, "chkAutoScroll", std::to_string(autoScrollValue())); });
}

void frmScopster::mGetFileSpec(std::string& folder, bool& bError) {
  diagnostics::ErrorTrap trap{kFormName, "mGetFileSpec", bError};
  diagnostics::FileOpenRequest request;
  std::string fileName;
  if (!trap.step(1, [&] {
        request.title = "Source file";
        request.filter = "Visual Basic Projects (*.vbp)|*.vbp";
        request.fileName = "*.vbp";
        request.initialFolder = folder.empty() ? vb::utf8ToCp1252(options_.applicationFolder.string()) : folder;
        request.flags = kBrowseFlags;
      }))
    return;
  if (!trap.step(2, [&] { fileName = installedDialogs().openFile(request); })) return;
  if (!trap.step(3, [&] { folder = folderOf(fileName); })) return;
  // Cancel leaves the pattern in the file name.
  if (fileName.empty() || fileName.find('*') != std::string::npos) return;
  if (!trap.step(4, [&] { setSourceText(fileName); })) return;
  trap.step(5, [&] { gLastFileUpdate(*this, bError); });
}

}  // namespace main_window
