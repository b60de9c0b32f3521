#pragma once
// The small modal dialog in which the user types a text of several lines,
// and gsMultiLineText, which asks for one through the installed Dialogs.

#include <string>
#include <string_view>

#include "forms/multi_line_text_view.h"

namespace forms {

class frmMultiLineText {
 public:
  // Gives the view its fixed captions and places.
  explicit frmMultiLineText(MultiLineTextView& view);

  // The dialog's caption, Windows-1252.
  void setHeader(std::string_view isHeader);

  void cmdOK_Click();
  void cmdCancel_Click();
  void Form_Unload();

  // What the dialog kept when it unloaded, Windows-1252 with CR LF line
  // ends: the typed text, or "" after Cancel.
  const std::string& text() const { return msText; }

 private:
  MultiLineTextView& view_;
  bool mbCancel = false;
  std::string msText;
};

// Asks through the installed Dialogs and returns the text trimmed of blanks
// and NULs at both ends; "" when cancelled. On Abort of a failure, obError
// is set and the text built so far is returned.
std::string gsMultiLineText(std::string_view isHeader, bool& obError);

}  // namespace forms
