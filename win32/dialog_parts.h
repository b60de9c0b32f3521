#pragma once
// What the small dialogs draw alike: the etched separator made of a grey and
// a white line, and tooltips.

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

struct SeparatorLines {
  HWND grey;
  HWND white;
};

// Answers WM_CTLCOLORSTATIC for the two lines with their colours; false for
// any other message or control.
bool paintSeparator(UINT message, WPARAM wParam, LPARAM lParam, SeparatorLines lines, LRESULT& brush);

// A tooltip window for owner's controls. Raises Out of memory (7) when the
// system cannot make it.
HWND newToolTip(HWND owner);
void addToolTip(HWND toolTip, HWND owner, HWND control, const std::wstring& tip);

}  // namespace win32

namespace win32 {

// The room a control's caption takes in its font, with what the control
// draws around it (a button's edges, a check box's box); each line of a
// label counted. A word-wrapping label (SS_LEFT) needs only height, at
// width. Zero for a control without a caption.
SIZE captionRoom(HWND control, int width);
// The same for a caption the control may be given.
SIZE captionRoom(HWND control, std::wstring_view caption);

}  // namespace win32
