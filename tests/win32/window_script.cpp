#include "tests/win32/window_script.h"

#include <stdexcept>
#include <utility>

#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace win32_test {

namespace {

// The message box's text is the static control of this ID.
constexpr int kMessageTextId = 0xFFFF;
constexpr UINT_PTR kActTimer = 0x5C0;
WindowScript* current = nullptr;

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

// Our dialogs; the main window and the splash are not modal.
bool isOurDialog(HWND window) {
  const std::wstring name = classOf(window);
  return name.rfind(L"Scopster", 0) == 0 && name != L"ScopsterMain" && name != L"ScopsterSplash";
}

bool isMessageBox(HWND window) {
  return classOf(window) == win32::kDialogClass && ::GetDlgItem(window, kMessageTextId) != nullptr;
}

}  // namespace

void click(HWND window, int id) {
  HWND control = ::GetDlgItem(window, id);
  if (control == nullptr) throw std::runtime_error("no control " + std::to_string(id));
  ::SendMessageW(control, BM_CLICK, 0, 0);
}

WindowScript::WindowScript() {
  if (current != nullptr) throw std::logic_error("one script at a time");
  hook_ = ::SetWindowsHookExW(WH_CBT, &WindowScript::watch, nullptr, ::GetCurrentThreadId());
  if (hook_ == nullptr) throw std::runtime_error("SetWindowsHookExW failed");
  current = this;
}

WindowScript::~WindowScript() {
  ::UnhookWindowsHookEx(hook_);
  current = nullptr;
}

void WindowScript::answerBox(int button) {
  steps_.push_back({win32::kDialogClass, [button](HWND box) {
                      ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
                    }});
}

void WindowScript::onWindow(std::wstring className, std::function<void(HWND)> step) {
  steps_.push_back({std::move(className), std::move(step)});
}

// A window is activated before it has its texts; it is acted on from its own
// loop once that runs. A window activated again is acted on once.
LRESULT CALLBACK WindowScript::watch(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && current != nullptr) {
    auto* window = reinterpret_cast<HWND>(wParam);
    bool seen = false;
    for (HWND done : current->seen_) seen = seen || done == window;
    if (!seen && (isMessageBox(window) || isOurDialog(window))) {
      current->seen_.push_back(window);
      if (::SetTimer(window, kActTimer, USER_TIMER_MINIMUM, &WindowScript::act) == 0)
        throw std::runtime_error("SetTimer failed");
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK WindowScript::act(HWND window, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(window, timer);
  if (current != nullptr) current->actOn(window);
}

void WindowScript::actOn(HWND window) {
  const bool box = isMessageBox(window);
  if (box) boxes_.push_back({win32::windowText(window), win32::windowText(::GetDlgItem(window, kMessageTextId))});
  const std::wstring kind = box ? std::wstring(win32::kDialogClass) : classOf(window);
  if (!steps_.empty() && steps_.front().className == kind) {
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    step.act(window);
    return;
  }
  // Unscripted: a box's way out (Abort where there is no Cancel), a window's
  // close box; a test then finds the box in boxes().
  if (!box) {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    return;
  }
  for (const int button : {IDCANCEL, IDABORT, IDNO, IDOK})
    if (HWND control = ::GetDlgItem(window, button)) {
      ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(control));
      return;
    }
}

}  // namespace win32_test
