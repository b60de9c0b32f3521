#include "forms/frm_splash.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "platform/application_info.h"
#include "runtime/codepage.h"
#include "utilities/general_routines.h"

namespace forms {

namespace {

using platform::ApplicationInfo;
using Control = SplashControl;

constexpr std::string_view kObjectName = "frmSplash";
constexpr std::int16_t kPauseMilliseconds = 400;
constexpr std::string_view kWarning =
    "Warning: This programme may be harmful to management consultants and accountants";

// The window's inner area; the frame sits in it, everything else in the frame.
constexpr float kInnerWidth = 5400;
constexpr float kInnerHeight = 3030;
constexpr std::pair<Control, TwipsRect> kPlaces[] = {
    {Control::fra1, {120, 60, 5160, 2850}},
    {Control::imgLogo, {240, 240, 240, 240}},
    {Control::lblProductName, {2910, 480, 2025, 330}},
    {Control::lblCopyright, {2640, 840, 2295, 255}},
    {Control::lblComments, {3600, 1440, 1365, 270}},
    {Control::lblWarning, {240, 2160, 4815, 435}},
};

}  // namespace

frmSplash::frmSplash(SplashView& view) : view_(view) {
  view_.setCaption(Control::lblCopyright, vb::cp1252ToUtf8(ApplicationInfo::kLegalCopyright));
  view_.setCaption(Control::lblWarning, kWarning);
  view_.setClientSize(kInnerWidth, kInnerHeight);
  placeControls();
}

void frmSplash::placeControls() {
  for (const auto& [control, place] : kPlaces) view_.placeControl(control, place);
}

void frmSplash::Form_Load() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_Load", bError};
  if (!trap.step(1, [&] {
        diagnostics::gsProductVersion =
            std::string(ApplicationInfo::kProductName) + " " + diagnostics::gsVersionText();
      }))
    return;
  if (!trap.step(2, [&] {
        view_.setCaption(Control::lblProductName, vb::cp1252ToUtf8(diagnostics::gsProductVersion));
      }))
    return;
  if (!trap.step(3, [&] { view_.setCaption(Control::lblComments, vb::cp1252ToUtf8(ApplicationInfo::kComments)); }))
    return;
  // The pause below blocks the event loop, so the window must be on screen
  // and painted before it starts.
  if (!trap.step(4, [&] {
        placeControls();  // the captions set above may need more room
        view_.showPainted();
      }))
    return;
  trap.step(5, [&] { utilities::gGPause(kPauseMilliseconds, bError); });
}

void frmSplash::Form_KeyPress() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_KeyPress", bError};
  trap.step(1, [&] { view_.closeWindow(); });
}

}  // namespace forms
