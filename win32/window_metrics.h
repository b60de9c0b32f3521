#pragma once
// Pixels exist only here: the dpi of the monitor a window is on, the system's
// message font at that dpi, and twips converted at that dpi.

#include <windows.h>

#include <string_view>

#include "forms/twips.h"

namespace win32 {

// The window's dpi (96 at 100 %); raises Invalid procedure call (5) for a
// window that does not exist.
UINT windowDpi(HWND window);

float twipsOf(int pixels, HWND window);
int pixelsOf(float twips, HWND window);
// The fewest pixels that cover at least twips.
int pixelsCoveringOf(float twips, HWND window);
forms::PixelRect pixelRectOf(const forms::TwipsRect& twips, HWND window);

// A font the window owns; deleted with it.
class Font {
 public:
  Font() = default;
  explicit Font(HFONT handle) : handle_(handle) {}
  ~Font();
  Font(Font&& other) noexcept;
  Font& operator=(Font&& other) noexcept;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  HFONT get() const { return handle_; }

 private:
  HFONT handle_ = nullptr;
};

// The font message boxes use, at dpi: what a dialog of the system shows.
// Raises Out of memory (7) when the system cannot make it.
Font messageFont(UINT dpi);

// The width of text in the control's own font, in pixels.
int textWidth(HWND control, std::wstring_view text);
// The height of a line in the control's own font, in pixels.
int textHeight(HWND control);

}  // namespace win32
