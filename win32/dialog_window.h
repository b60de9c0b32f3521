#pragma once
// A small form's window: its controls are found by the form's own control
// enumeration (ID kFirstControlId + the enumerator), texts come in as UTF-8
// and places as twips. Shown modally or, for the splash, on its own.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "forms/form_view.h"
#include "runtime/vb_error.h"
#include "win32/dialog_parts.h"
#include "win32/form_window.h"
#include "win32/message_pump.h"
#include "win32/wide_text.h"

namespace win32 {

inline constexpr int kFirstControlId = 1000;

template <typename Control>
constexpr int controlId(Control control) {
  return kFirstControlId + static_cast<int>(control);
}

// A label's "\n" is a line break in a static control only as "\r\n".
std::wstring wideLines(std::string_view utf8);

// Runs a window modally over owner: the owner takes no input until done.
void runModal(HWND window, HWND owner, const bool& done);
// Widens window so that control, grown for its caption, stays inside it with
// the design's margin.
void growToHold(HWND window, HWND control);
// Centres window over owner, or over the screen without a visible owner.
void centreOver(HWND window, HWND owner);

// The style of our dialogs: a caption with a close box, a fixed frame.
inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD kDialogExtendedStyle = WS_EX_DLGMODALFRAME;

template <typename View, typename Control>
class DialogWindow : public FormWindow, public View {
 public:
  void setTitle(std::string_view title) override {
    if (!::SetWindowTextW(handle(), wideFromUtf8(title).c_str())) vb::raise(vb::err::OutOfMemory);
  }
  void setClientSize(float width, float height) override {
    const forms::PixelRect client = pixelRectOf({0, 0, width, height}, handle());
    RECT outer{0, 0, client.width, client.height};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(handle(), GWL_STYLE));
    const auto extended = static_cast<DWORD>(::GetWindowLongPtrW(handle(), GWL_EXSTYLE));
    if (!::AdjustWindowRectExForDpi(&outer, style, FALSE, extended, windowDpi(handle())) ||
        !::SetWindowPos(handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
      vb::raise(vb::err::InvalidPropertyValue);
  }
  void setCaption(Control which, std::string_view caption) override {
    if (!::SetWindowTextW(controlOf(which), wideLines(caption).c_str())) vb::raise(vb::err::OutOfMemory);
  }
  // A line (height 0) is one pixel thick.
  void placeControl(Control which, const forms::TwipsRect& place) override {
    forms::TwipsRect shown = place;
    shown.left += offset_.left;
    shown.top += offset_.top;
    const forms::PixelRect pixels = pixelRectOf(shown, handle());
    HWND target = controlOf(which);
    // A caption wider or taller in this font than in the design's grows its
    // control rather than being cut off.
    const SIZE room = captionRoom(target, pixels.width);
    if (!::MoveWindow(target, pixels.left, pixels.top, std::max<int>(pixels.width, room.cx),
                      place.height == 0 ? 1 : std::max<int>(pixels.height, room.cy), TRUE))
      vb::raise(vb::err::InvalidPropertyValue);
    growToHold(handle(), target);
  }

 protected:
  HWND controlOf(Control which) const {
    HWND found = control(controlId(which));
    if (found == nullptr) vb::raise(vb::err::ObjectNotSet);
    return found;
  }
  HWND add(Control which, const wchar_t* windowClass, DWORD style, DWORD extendedStyle = 0) {
    return addControl(controlId(which), windowClass, style | WS_VISIBLE, L"", extendedStyle);
  }
  // Controls that sit inside a frame are placed from its corner.
  void setPlaceOffset(float left, float top) { offset_ = {left, top, 0, 0}; }

 private:
  forms::TwipsRect offset_{0, 0, 0, 0};
};

}  // namespace win32
