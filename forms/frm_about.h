#pragma once
// The About box's behaviour: product, version and the maker's details, the
// web and e-mail links, the newsletter, the system-information program and
// the bug-report switch; now and then on closing, the newsletter prompt.
// Its message boxes go through the Dialogs it is given; mail and the settings
// through the program's installed mail transport and settings store.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "forms/about_view.h"

namespace diagnostics {
class Dialogs;
}

namespace forms {

struct AboutServices {
  // Asks the newsletter question and tells of a missing system-information
  // program.
  diagnostics::Dialogs* dialogs = nullptr;
  // Opens an address with the desktop's program and returns the shell's
  // value: above 32 on success (platform::openDocument).
  std::function<std::int32_t(std::string_view)> openDocument;
  // The system-information program, nullopt where there is none; and its
  // start, false when it could not be started (platform/system_information.h).
  std::function<std::optional<std::string>()> findSystemInformationProgram;
  std::function<bool(const std::string&)> startSystemInformationProgram;
};

class frmAbout {
 public:
  // Gives the view its fixed captions and places.
  frmAbout(AboutView& view, AboutServices services);

  void Form_Load();
  void Form_Unload();
  void chkSendBugReports_Click();
  void cmdQuillpost_Click();
  void cmdSysInfo_Click();
  void lblWebSite_Click();
  void lblEMail_Click();

 private:
  void setFixedCaptions();
  void placeControls();
  void mStartSysInfo(bool& bError);
  std::string msCompanyNameTelFaxMSN(bool& bError);

  AboutView& view_;
  AboutServices services_;
};

}  // namespace forms
