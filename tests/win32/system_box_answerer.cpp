#include "tests/win32/system_box_answerer.h"

#include <stdexcept>

#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace win32_test {

namespace {

// The message box's text is the static control of this ID.
constexpr int kMessageTextId = 0xFFFF;
SystemBoxAnswerer* current = nullptr;
constexpr UINT_PTR kAnswerTimer = 0x5C0;

}  // namespace

SystemBoxAnswerer::SystemBoxAnswerer() {
  if (current != nullptr) throw std::logic_error("one answerer at a time");
  hook_ = ::SetWindowsHookExW(WH_CBT, &SystemBoxAnswerer::watch, nullptr, ::GetCurrentThreadId());
  if (hook_ == nullptr) throw std::runtime_error("SetWindowsHookExW failed");
  current = this;
}

SystemBoxAnswerer::~SystemBoxAnswerer() {
  ::UnhookWindowsHookEx(hook_);
  current = nullptr;
}

LRESULT CALLBACK SystemBoxAnswerer::watch(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && current != nullptr) {
    auto* box = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    ::GetClassNameW(box, className, 16);
    if (std::wstring(className) == win32::kDialogClass && ::GetDlgItem(box, kMessageTextId) != nullptr)
      current->answer(box);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// A box is activated before it has its text; it is read, and the button
// pressed, from the box's own loop once that runs. A box activated again
// (another window gave it up) is answered once.
void SystemBoxAnswerer::answer(HWND box) {
  for (HWND done : answered_)
    if (done == box) return;
  answered_.push_back(box);
  if (::SetTimer(box, kAnswerTimer, USER_TIMER_MINIMUM, &SystemBoxAnswerer::press) == 0)
    throw std::runtime_error("SetTimer failed");
}

void CALLBACK SystemBoxAnswerer::press(HWND box, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(box, timer);
  if (current == nullptr) return;
  current->boxes_.push_back({win32::windowText(box), win32::windowText(::GetDlgItem(box, kMessageTextId))});
  int button = IDCANCEL;
  if (!current->buttons_.empty()) {
    button = current->buttons_.front();
    current->buttons_.pop_front();
  }
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
}

}  // namespace win32_test
