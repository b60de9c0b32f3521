#include "win32/window_metrics.h"

#include <limits>
#include <utility>

#include "runtime/vb_error.h"

namespace win32 {

UINT windowDpi(HWND window) {
  const UINT dpi = ::GetDpiForWindow(window);
  if (dpi == 0) vb::raise(vb::err::InvalidProcedureCall);
  return dpi;
}

float twipsOf(int pixels, HWND window) { return forms::pixelsToTwips(pixels, windowDpi(window)); }

int pixelsOf(float twips, HWND window) { return forms::twipsToPixels(twips, windowDpi(window)); }

int pixelsCoveringOf(float twips, HWND window) { return forms::pixelsCovering(twips, windowDpi(window)); }

forms::PixelRect pixelRectOf(const forms::TwipsRect& twips, HWND window) {
  const double dpi = windowDpi(window);
  return forms::pixelRect(twips, dpi, dpi);
}

Font::~Font() {
  if (handle_ != nullptr) ::DeleteObject(handle_);
}

Font::Font(Font&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) ::DeleteObject(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

Font messageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi))
    vb::raise(vb::err::OutOfMemory);
  HFONT font = ::CreateFontIndirectW(&metrics.lfMessageFont);
  if (font == nullptr) vb::raise(vb::err::OutOfMemory);
  return Font(font);
}

int textWidth(HWND control, std::wstring_view text) {
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) vb::raise(vb::err::Overflow);
  HDC context = ::GetDC(control);
  if (context == nullptr) vb::raise(vb::err::OutOfMemory);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? ::SelectObject(context, font) : nullptr;
  SIZE size{};
  const BOOL measured = ::GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &size);
  if (previous != nullptr) ::SelectObject(context, previous);
  ::ReleaseDC(control, context);
  if (!measured) vb::raise(vb::err::OutOfMemory);
  return size.cx;
}

}  // namespace win32

namespace win32 {

int textHeight(HWND control) {
  HDC context = ::GetDC(control);
  if (context == nullptr) vb::raise(vb::err::OutOfMemory);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? ::SelectObject(context, font) : nullptr;
  TEXTMETRICW metrics{};
  const BOOL measured = ::GetTextMetricsW(context, &metrics);
  if (previous != nullptr) ::SelectObject(context, previous);
  ::ReleaseDC(control, context);
  if (!measured) vb::raise(vb::err::OutOfMemory);
  return metrics.tmHeight;
}

}  // namespace win32
