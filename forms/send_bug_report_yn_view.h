#pragma once
// The bug-report question as its form logic (forms::frmSendBugReportYN) sees
// it. A view forwards the clicks; closing it by the window's own means is No
// and needs no call.

#include <cstdint>
#include <string_view>

#include "forms/form_view.h"

namespace forms {

enum class SendBugReportYNControl : std::uint8_t {
  imgICon,
  lblLabel,
  cmdYes,
  cmdNo,
  chkDontAskMeAgain,
  linLine1,
  Line1,
};

class SendBugReportYNView : public FormView<SendBugReportYNControl> {
 public:
  virtual void setToolTip(SendBugReportYNControl control, std::string_view tip) = 0;
  // chkDontAskMeAgain: 1 ticked, 0 clear.
  virtual std::int16_t dontAskMeAgainValue() const = 0;
  // Ends the modal dialog; yes is the answer it ends with.
  virtual void closeDialog(bool yes) = 0;
};

}  // namespace forms
