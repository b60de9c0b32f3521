#include "win32/dialog_parts.h"

#include <commctrl.h>

#include "runtime/vb_error.h"

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
