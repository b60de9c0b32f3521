#include "win32/dialog_window.h"

#include "runtime/vb_error.h"

namespace win32 {

std::wstring wideLines(std::string_view utf8) {
  const std::wstring wide = wideFromUtf8(utf8);
  std::wstring lines;
  lines.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] == L'\n' && (i == 0 || wide[i - 1] != L'\r')) lines.push_back(L'\r');
    lines.push_back(wide[i]);
  }
  return lines;
}

namespace {

// The room the designs leave between a control and the window's edge.
constexpr float kDesignMargin = 120;

// The owner takes input again when the dialog ends, however it ends; before
// the dialog goes, so that the system activates the owner.
class DisabledOwner {
 public:
  explicit DisabledOwner(HWND owner) : owner_(owner != nullptr && ::IsWindowEnabled(owner) ? owner : nullptr) {
    if (owner_ != nullptr) ::EnableWindow(owner_, FALSE);
  }
  ~DisabledOwner() {
    if (owner_ != nullptr) ::EnableWindow(owner_, TRUE);
  }
  DisabledOwner(const DisabledOwner&) = delete;
  DisabledOwner& operator=(const DisabledOwner&) = delete;

 private:
  HWND owner_;
};

}  // namespace

void runModal(HWND window, HWND owner, const bool& done) {
  const DisabledOwner disabled(owner);
  centreOver(window, owner);
  ::ShowWindow(window, SW_SHOW);
  ::SetForegroundWindow(window);
  runModalLoop(done);
}

void growToHold(HWND window, HWND control) {
  RECT place{};
  RECT client{};
  if (!::GetWindowRect(control, &place) || !::GetClientRect(window, &client)) vb::raise(vb::err::ObjectNotSet);
  ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  const int missing = place.right + pixelsOf(kDesignMargin, window) - client.right;
  if (missing <= 0) return;
  RECT outer{};
  ::GetWindowRect(window, &outer);
  ::SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + missing, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreOver(HWND window, HWND owner) {
  RECT area{};
  if (owner == nullptr || !::IsWindowVisible(owner) || !::GetWindowRect(owner, &area))
    area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  RECT own{};
  if (!::GetWindowRect(window, &own)) vb::raise(vb::err::ObjectNotSet);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  ::SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32
