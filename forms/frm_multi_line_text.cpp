#include "forms/frm_multi_line_text.h"

#include <utility>

#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "forms/provided.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"
#include "utilities/general_routines.h"

namespace forms {

namespace {

using Control = MultiLineTextControl;

constexpr std::string_view kObjectName = "frmMultiLineText";
constexpr float kInnerWidth = 4125;
constexpr float kInnerHeight = 3060;

diagnostics::Dialogs& installedDialogs() { return *provided(diagnostics::errorHandlerSetup().dialogs); }

// The mail and the rest of the program expect CR LF; a text box may end its
// lines in LF alone.
std::string withCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  char previous = '\0';
  for (const char c : text) {
    if (c == '\n' && previous != '\r') result.push_back('\r');
    result.push_back(c);
    previous = c;
  }
  return result;
}

}  // namespace

frmMultiLineText::frmMultiLineText(MultiLineTextView& view) : view_(view) {
  view_.setCaption(Control::cmdOK, "&OK");
  view_.setCaption(Control::cmdCancel, "&Cancel");
  view_.setClientSize(kInnerWidth, kInnerHeight);
  const std::pair<Control, TwipsRect> places[] = {
      {Control::txtMultiLineText, {240, 120, 3615, 2055}},
      {Control::cmdOK, {1200, 2400, 1125, 345}},
      {Control::cmdCancel, {2520, 2400, 1125, 345}},
  };
  for (const auto& [control, place] : places) view_.placeControl(control, place);
}

void frmMultiLineText::setHeader(std::string_view isHeader) { view_.setTitle(vb::cp1252ToUtf8(isHeader)); }

void frmMultiLineText::cmdOK_Click() { view_.closeDialog(true); }

void frmMultiLineText::cmdCancel_Click() {
  mbCancel = true;
  view_.closeDialog(false);
}

void frmMultiLineText::Form_Unload() {
  if (mbCancel) return;
  msText = vb::utf8ToCp1252(withCrLf(view_.text()));
}

std::string gsMultiLineText(std::string_view isHeader, bool& obError) {
  diagnostics::ErrorTrap trap{kObjectName, "gsMultiLineText", obError};
  std::string typed;
  std::string result;
  if (!trap.step(2, [&] { typed = installedDialogs().multiLineText(isHeader); })) return result;
  trap.step(3, [&] { result = utilities::gsGTrim(typed, obError); });
  return result;
}

}  // namespace forms
