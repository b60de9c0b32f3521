#pragma once
// The About box on Win32: the view of forms::frmAbout.

#include <memory>
#include <string_view>

#include "forms/about_view.h"
#include "forms/frm_about.h"
#include "win32/dialog_window.h"

namespace win32 {

class AboutWindow : public DialogWindow<forms::AboutView, forms::AboutControl> {
 public:
  AboutWindow(HWND owner, forms::AboutServices services);
  ~AboutWindow() override;

  forms::frmAbout& form() { return *form_; }
  std::string_view formName() const override { return "frmAbout"; }
  std::int16_t sendBugReportsValue() const override;
  void setSendBugReportsValue(std::int16_t value) override;
  void showModal();

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void onCommand(int id, int notification);
  bool isLink(HWND control) const;

  HWND owner_;
  std::unique_ptr<forms::frmAbout> form_;
  bool unloaded_ = false;
  bool closed_ = false;
};

// Loads a fresh About box over the active window and shows it modally.
void showAboutBox(forms::AboutServices services);

}  // namespace win32
