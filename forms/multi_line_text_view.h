#pragma once
// The multi-line text dialog as its form logic (forms::frmMultiLineText) sees
// it. A view forwards OK and Cancel (Escape is Cancel) and calls Form_Unload
// once whenever the dialog closes, the close box included.

#include <cstdint>
#include <string>

#include "forms/form_view.h"

namespace forms {

enum class MultiLineTextControl : std::uint8_t {
  txtMultiLineText,
  cmdOK,
  cmdCancel,
};

class MultiLineTextView : public FormView<MultiLineTextControl> {
 public:
  // txtMultiLineText as typed, UTF-8; a line ends in "\n" or "\r\n".
  virtual std::string text() const = 0;
  // Ends the modal dialog; accepted is the answer it ends with.
  virtual void closeDialog(bool accepted) = 0;
};

}  // namespace forms
