#include "win32/dialog_parts.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "runtime/vb_error.h"
#include "win32/wide_text.h"
#include "win32/window_metrics.h"

namespace win32 {

bool paintSeparator(UINT message, WPARAM, LPARAM lParam, SeparatorLines lines, LRESULT& brush) {
  if (message != WM_CTLCOLORSTATIC) return false;
  const auto control = reinterpret_cast<HWND>(lParam);
  if (control != lines.grey && control != lines.white) return false;
  brush = reinterpret_cast<LRESULT>(::GetStockObject(control == lines.grey ? GRAY_BRUSH : WHITE_BRUSH));
  return true;
}

HWND newToolTip(HWND owner) {
  HWND toolTip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
  if (toolTip == nullptr) vb::raise(vb::err::OutOfMemory);
  return toolTip;
}

void addToolTip(HWND toolTip, HWND owner, HWND control, const std::wstring& tip) {
  std::wstring text = tip;
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  if (!::SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) vb::raise(vb::err::OutOfMemory);
}

}  // namespace win32

namespace win32 {

namespace {

std::vector<std::wstring_view> linesOf(std::wstring_view text) {
  std::vector<std::wstring_view> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find(L"\r\n"); end != std::wstring_view::npos; end = text.find(L"\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

// A caption as drawn: "&&" is an ampersand, a single "&" marks the access key.
std::wstring withoutAccessKeys(std::wstring_view caption) {
  std::wstring drawn;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    drawn.push_back(caption[i]);
  }
  return drawn;
}

// The height text takes when broken into lines of width, in the control's font.
int wrappedHeight(HWND control, const std::wstring& text, int width) {
  HDC context = ::GetDC(control);
  if (context == nullptr) vb::raise(vb::err::OutOfMemory);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? ::SelectObject(context, font) : nullptr;
  RECT room{0, 0, width, 0};
  const int height = ::DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &room,
                                 DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  if (previous != nullptr) ::SelectObject(context, previous);
  ::ReleaseDC(control, context);
  if (height == 0) vb::raise(vb::err::OutOfMemory);
  return room.bottom;
}

}  // namespace

SIZE captionRoom(HWND control, int width) {
  const std::wstring text = windowText(control);
  wchar_t className[16] = {};
  ::GetClassNameW(control, className, 16);
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE));
  const bool wrapping = ::lstrcmpiW(className, WC_STATICW) == 0 && (style & SS_TYPEMASK) == SS_LEFT;
  if (text.empty() || !wrapping) return captionRoom(control, text);
  return {0, wrappedHeight(control, text, width)};
}

SIZE captionRoom(HWND control, std::wstring_view text) {
  if (text.empty()) return {0, 0};
  wchar_t className[16] = {};
  ::GetClassNameW(control, className, 16);
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE));
  const bool button = ::lstrcmpiW(className, WC_BUTTONW) == 0;
  const bool drawsAccessKeys = button || (style & SS_NOPREFIX) == 0;
  const UINT dpi = windowDpi(control);
  const int edge = ::GetSystemMetricsForDpi(SM_CXEDGE, dpi);
  int border = 0;
  if (button) {
    const DWORD kind = style & BS_TYPEMASK;
    const bool checkBox = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
    // A check box draws its caption a little after the box, more than an edge.
    border = checkBox ? ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + 4 * edge : 4 * edge;
  }
  int widest = 0;
  const std::vector<std::wstring_view> lines = linesOf(text);
  for (const std::wstring_view line : lines)
    widest = std::max(widest, textWidth(control, drawsAccessKeys ? withoutAccessKeys(line) : std::wstring(line)));
  return {widest + border, static_cast<LONG>(lines.size()) * textHeight(control)};
}

}  // namespace win32
