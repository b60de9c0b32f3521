#pragma once
// The About box as its form logic (forms::frmAbout) sees it. A view forwards
// the clicks to the form's event procedures and calls Form_Unload once when
// the box closes, by whatever means.

#include <cstdint>

#include "forms/form_view.h"

namespace forms {

enum class AboutControl : std::uint8_t {
  imgICon,
  lblNameVersion,
  lblCopyright,
  lblCompanyInfo,
  lblEMailLbl,
  lblEMail,
  lblWebLbl,
  lblWebSite,
  cmdQuillpost,
  cmdSysInfo,
  chkSendBugReports,
  lblDisclaimer,
  linLine1,
  Line1,
};

class AboutView : public FormView<AboutControl> {
 public:
  // chkSendBugReports: 1 ticked, 0 clear. Setting it raises no click.
  virtual std::int16_t sendBugReportsValue() const = 0;
  virtual void setSendBugReportsValue(std::int16_t value) = 0;
};

}  // namespace forms
