#include "forms/frm_about.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/send_email.h"
#include "forms/frm_multi_line_text.h"
#include "forms/provided.h"
#include "forms/send_failure_watch.h"
#include "platform/application_info.h"
#include "platform/settings_store.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"
#include "runtime/vb_numbers.h"
#include "utilities/general_routines.h"

namespace forms {

namespace {

using platform::ApplicationInfo;
using Control = AboutControl;

constexpr std::string_view kObjectName = "frmAbout";
constexpr float kInnerWidth = 3960;
constexpr float kInnerHeight = 4275;
constexpr std::pair<Control, TwipsRect> kPlaces[] = {
    {Control::imgICon, {240, 240, 480, 480}},
    {Control::lblNameVersion, {840, 240, 3045, 240}},
    {Control::lblCopyright, {840, 480, 2805, 240}},
    {Control::lblCompanyInfo, {840, 960, 2805, 810}},
    {Control::lblEMailLbl, {840, 1920, 495, 255}},
    {Control::lblEMail, {1320, 1920, 1605, 240}},
    {Control::lblWebLbl, {840, 2160, 495, 255}},
    {Control::lblWebSite, {1320, 2160, 1485, 210}},
    {Control::cmdQuillpost, {480, 2760, 1245, 345}},
    {Control::cmdSysInfo, {2160, 2760, 1245, 345}},
    {Control::chkSendBugReports, {600, 3240, 1575, 255}},
    {Control::lblDisclaimer, {120, 3720, 3735, 255}},
    // The etched separator: grey, then white one pixel lower.
    {Control::linLine1, {90, 2565, 3750, 0}},
    {Control::Line1, {105, 2580, 3735, 0}},
};

// The counter lives in the maker's section, shared by the maker's programs.
constexpr std::string_view kCounterSection = "Ombry";
constexpr std::string_view kCounterKey = "nAboutQuillpostCount";
constexpr std::string_view kSubscribed = "32766";
constexpr std::int16_t kLastPromptClosing = 250;
constexpr std::array<std::int16_t, 5> kPromptClosings{5, 11, 51, 101, 250};

constexpr std::string_view kQuillpostQuestion =
    "Would you like to subscribe to Ombry's free Quillpost?\r\n\r\nIt's sent by email about once a month.";

// The contact lines, joined by CR alone.
std::string companyContactLines() {
  std::string lines(ApplicationInfo::kCompanyName);
  lines.append("\rTel: ").append(ApplicationInfo::kTelephone);
  lines.append("\rFax: ").append(ApplicationInfo::kFax);
  return lines.append("\rMSN Messenger: ").append(ApplicationInfo::kMessenger);
}

// On screen a CR starts a new line, as it does in the label it stands for.
std::string labelLines(std::string_view cp1252) {
  std::string text = vb::cp1252ToUtf8(cp1252);
  std::replace(text.begin(), text.end(), '\r', '\n');
  return text;
}

bool isQuillpostPromptClosing(std::int16_t closing) {
  return std::find(kPromptClosings.begin(), kPromptClosings.end(), closing) != kPromptClosings.end();
}

}  // namespace

frmAbout::frmAbout(AboutView& view, AboutServices services) : view_(view), services_(std::move(services)) {
  setFixedCaptions();
  view_.setClientSize(kInnerWidth, kInnerHeight);
  placeControls();
}

void frmAbout::setFixedCaptions() {
  const std::pair<Control, std::string_view> captions[] = {
      {Control::lblCopyright, ApplicationInfo::kLegalCopyright},
      {Control::lblEMailLbl, "EMail:"},
      {Control::lblWebLbl, "Web:"},
      {Control::cmdQuillpost, "&Quillpost"},
      {Control::cmdSysInfo, "&System Info"},
      {Control::chkSendBugReports, "Send &bug reports"},
      {Control::lblDisclaimer, ApplicationInfo::kDisclaimer},
      {Control::lblEMail, ApplicationInfo::kMailAddressShown},
      {Control::lblWebSite, ApplicationInfo::kWebAddressShown},
  };
  for (const auto& [control, caption] : captions) view_.setCaption(control, vb::cp1252ToUtf8(caption));
}

// Again after load, when the captions it sets may need more room.
void frmAbout::placeControls() {
  for (const auto& [control, place] : kPlaces) view_.placeControl(control, place);
}

void frmAbout::Form_Load() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_Load", bError};
  if (!trap.step(1, [&] { view_.setTitle("About " + vb::cp1252ToUtf8(ApplicationInfo::kProductName)); })) return;
  if (!trap.step(2, [&] {
        view_.setCaption(Control::lblNameVersion, vb::cp1252ToUtf8(diagnostics::gsProductVersion));
      }))
    return;
  if (!trap.step(4, [&] { view_.setCaption(Control::lblCompanyInfo, labelLines(msCompanyNameTelFaxMSN(bError))); }))
    return;
  if (!trap.step(5, [&] { view_.setSendBugReportsValue(diagnostics::gnGetSendBugReports() == 1 ? 1 : 0); }))
    return;
  trap.step(6, [&] { placeControls(); });
}

std::string frmAbout::msCompanyNameTelFaxMSN(bool& bError) {
  diagnostics::ErrorTrap trap{kObjectName, "msCompanyNameTelFaxMSN", bError};
  std::string lines;
  trap.step(1, [&] { lines = companyContactLines(); });
  return lines;
}

void frmAbout::chkSendBugReports_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "chkSendBugReports_Click", bError};
  trap.step(1, [&] { diagnostics::gSaveSendBugReports(view_.sendBugReportsValue() == 1 ? 1 : 0); });
}

void frmAbout::cmdQuillpost_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "cmdQuillpost_Click", bError};
  int answer = diagnostics::msgbox::No;
  if (!trap.step(1, [&] {
        answer = provided(services_.dialogs)->messageBox(kQuillpostQuestion, diagnostics::msgbox::YesNo, "Quillpost");
      }))
    return;
  if (answer != diagnostics::msgbox::Yes) return;
  bool sent = false;
  if (!trap.step(2, [&] {
        SendFailureWatch watch;
        diagnostics::gSendEMail("Quillpost", "Quillpost List",
                                "Please add me to the Ombry Quillpost list.  Thank you.");
        sent = !watch.sendFailed();
      }))
    return;
  // A request that never went out leaves the prompts to ask again.
  if (!sent) return;
  trap.step(3, [&] { platform::saveSetting(kCounterSection, kCounterKey, kSubscribed); });
}

void frmAbout::Form_Unload() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_Unload", bError};
  std::int16_t closing = 0;
  if (!trap.step(1, [&] { closing = vb::CInt(platform::getSetting(kCounterSection, kCounterKey, "0")); })) return;
  if (closing >= kLastPromptClosing) return;
  if (!trap.step(3, [&] { closing = vb::CInt(std::int64_t{closing} + 1); })) return;
  if (isQuillpostPromptClosing(closing)) cmdQuillpost_Click();
  trap.step(4, [&] { platform::saveSetting(kCounterSection, kCounterKey, std::to_string(closing)); });
}

void frmAbout::lblWebSite_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "lblWebSite_Click", bError};
  trap.step(1, [&] { utilities::raiseOnShellFailure(provided(services_.openDocument)(ApplicationInfo::kWebAddress)); });
}

void frmAbout::lblEMail_Click() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "lblEMail_Click", bError};
  std::string text;
  if (!trap.step(1, [&] { text = gsMultiLineText("EMail to Ombry", bError); })) return;
  if (bError || text.empty()) return;
  trap.step(2, [&] { diagnostics::gSendEMail("", "", text); });
}

void frmAbout::cmdSysInfo_Click() {
  bool bError = false;
  mStartSysInfo(bError);
}

void frmAbout::mStartSysInfo(bool& bError) {
  diagnostics::ErrorTrap trap{kObjectName, "mStartSysInfo", bError};
  std::optional<std::string> program;
  if (!trap.step(1, [&] { program = provided(services_.findSystemInformationProgram)(); })) return;
  if (program) {
    trap.step(3, [&] {
      if (!provided(services_.startSystemInformationProgram)(*program)) vb::raise(vb::err::FileNotFound);
    });
    return;
  }
  trap.step(4, [&] {
    provided(services_.dialogs)->messageBox("System Information Is Unavailable",
                                  diagnostics::msgbox::OkOnly | diagnostics::msgbox::Exclamation,
                                  diagnostics::gsMsgBoxTitle);
  });
}

}  // namespace forms
