#include "win32/message_pump.h"

#include "runtime/vb_error.h"

namespace win32 {

namespace {

struct AcceleratorTarget {
  HWND window = nullptr;
  HACCEL accelerators = nullptr;
};

AcceleratorTarget& acceleratorTarget() {
  static AcceleratorTarget target;
  return target;
}

// Ctrl+X is Exit in the menu, but Cut in a box with selected text: there the
// box keeps it, as a user who selected text means Cut.
bool cutInTextBox(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != 'X' || ::GetKeyState(VK_CONTROL) >= 0) return false;
  wchar_t className[16] = {};
  if (::GetClassNameW(message.hwnd, className, 16) == 0 || ::lstrcmpiW(className, L"Edit") != 0) return false;
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(message.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return start != end;
}

bool translateMenuKey(MSG& message) {
  const AcceleratorTarget& target = acceleratorTarget();
  if (target.window == nullptr || cutInTextBox(message)) return false;
  if (message.hwnd != target.window && !::IsChild(target.window, message.hwnd)) return false;
  return ::TranslateAcceleratorW(target.window, target.accelerators, &message) != 0;
}

// Tab, the arrow keys, Enter on a button and the access keys, in whichever of
// our windows the message is for.
bool dialogKey(MSG& message) {
  HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  return root != nullptr && ::IsDialogMessageW(root, &message) != 0;
}

void dispatch(MSG& message) {
  if (translateMenuKey(message) || dialogKey(message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

}  // namespace

void setAcceleratorTarget(HWND window, HACCEL accelerators) { acceleratorTarget() = {window, accelerators}; }

bool processPendingMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    dispatch(message);
  }
  return true;
}

void runModalLoop(const bool& done) {
  MSG message{};
  while (!done) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (got == -1) vb::raise(vb::err::InternalError);
    dispatch(message);
  }
}

int runMessageLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) vb::raise(vb::err::InternalError);
    dispatch(message);
  }
}

}  // namespace win32
