#pragma once
// The system's own message box and file-open dialog behind the Dialogs seam,
// so that their buttons, keys and sounds are those the user knows.

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "diagnostics/dialogs.h"

namespace win32 {

class SystemDialogs : public diagnostics::Dialogs {
 public:
  // The multi-line text dialog is one of our forms: the caller shows it.
  using MultiLineTextDialog = std::function<std::string(std::string_view caption)>;
  explicit SystemDialogs(MultiLineTextDialog multiLineText) : multiLineText_(std::move(multiLineText)) {}

  // MessageBoxW: the style's numbers are Windows' own. Raises Invalid
  // procedure call (5) for a button set or icon the program never asks for.
  int messageBox(std::string_view prompt, int style, std::string_view title) override;
  // GetOpenFileNameW. A failure of the dialog itself raises Internal error (51).
  std::string openFile(const diagnostics::FileOpenRequest& request) override;
  std::string multiLineText(std::string_view caption) override;

 private:
  MultiLineTextDialog multiLineText_;
};

// "Description|pattern|..." as the dialog's list of NUL-ended pairs. Raises
// Invalid procedure call (5) for an odd number of parts.
std::wstring fileDialogFilter(std::string_view filter);

}  // namespace win32
