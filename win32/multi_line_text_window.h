#pragma once
// The multi-line text dialog on Win32: the view of forms::frmMultiLineText.

#include <memory>
#include <string>
#include <string_view>

#include "forms/frm_multi_line_text.h"
#include "forms/multi_line_text_view.h"
#include "win32/dialog_window.h"

namespace win32 {

class MultiLineTextWindow : public DialogWindow<forms::MultiLineTextView, forms::MultiLineTextControl> {
 public:
  explicit MultiLineTextWindow(HWND owner);
  ~MultiLineTextWindow() override;

  forms::frmMultiLineText& form() { return *form_; }
  std::string_view formName() const override { return "frmMultiLineText"; }
  std::string text() const override;
  void closeDialog(bool accepted) override;
  // Returns once the dialog has closed.
  void showModal();

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void close();

  HWND owner_;
  std::unique_ptr<forms::frmMultiLineText> form_;
  bool unloaded_ = false;
  bool closed_ = false;
};

// The dialog over the active window, as Dialogs::multiLineText: the text
// kept (Windows-1252), or "" after Cancel.
std::string showMultiLineText(std::string_view caption);

}  // namespace win32
