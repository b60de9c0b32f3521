#include "forms/frm_send_bug_report_yn.h"

#include <iostream>
#include <string_view>
#include <utility>

#include "diagnostics/send_email.h"
#include "runtime/vb_error.h"

namespace forms {

namespace {

using Control = SendBugReportYNControl;

constexpr float kInnerWidth = 4635;
constexpr float kInnerHeight = 2010;
constexpr std::pair<Control, TwipsRect> kPlaces[] = {
    {Control::imgICon, {120, 120, 480, 480}},
    {Control::lblLabel, {840, 240, 3255, 255}},
    {Control::cmdYes, {960, 720, 1095, 375}},
    {Control::cmdNo, {2400, 720, 1095, 375}},
    {Control::chkDontAskMeAgain, {2640, 1560, 1695, 255}},
    // The etched separator: grey, then white one pixel lower.
    {Control::linLine1, {240, 1425, 4110, 0}},
    {Control::Line1, {240, 1440, 4065, 0}},
};
constexpr std::string_view kTooltip = "Fire one burst";

}  // namespace

frmSendBugReportYN::frmSendBugReportYN(SendBugReportYNView& view) : view_(view) {
  view_.setTitle("EMail bug report?");
  view_.setCaption(Control::lblLabel, "Would you like to email Ombry a bug report?");
  view_.setCaption(Control::cmdYes, "&Yes");
  view_.setCaption(Control::cmdNo, "&No");
  view_.setCaption(Control::chkDontAskMeAgain, "&Don't ask me again");
  view_.setToolTip(Control::cmdYes, kTooltip);
  view_.setToolTip(Control::cmdNo, kTooltip);
  view_.setClientSize(kInnerWidth, kInnerHeight);
  for (const auto& [control, place] : kPlaces) view_.placeControl(control, place);
}

void frmSendBugReportYN::cmdYes_Click() {
  gbYes = true;
  view_.closeDialog(true);
}

void frmSendBugReportYN::cmdNo_Click() { view_.closeDialog(false); }

// This dialog runs inside the error handler, so a failure to store the
// setting cannot be reported through it again; it goes to standard error.
void frmSendBugReportYN::chkDontAskMeAgain_Click() {
  try {
    diagnostics::gSaveSendBugReports(view_.dontAskMeAgainValue() == 1 ? 0 : 1);
  } catch (const vb::VbError& failure) {
    std::cerr << "Scopster: the bug-report setting could not be stored (" << failure.description() << ")\n";
  }
}

}  // namespace forms
