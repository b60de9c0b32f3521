#pragma once
// Acts on the modal windows of this thread as a user would: when one opens,
// the next step queued for its kind runs from inside its own loop (the
// system's message boxes, our dialogs), so that a test can read it and
// answer it. A window with no step left is closed as the user would close it.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace win32_test {

struct ShownBox {
  std::wstring title;
  std::wstring text;
};

class WindowScript {
 public:
  WindowScript();
  ~WindowScript();
  WindowScript(const WindowScript&) = delete;
  WindowScript& operator=(const WindowScript&) = delete;

  // The next system message box is answered with button (IDOK, IDABORT...).
  void answerBox(int button);
  // The next window of our class className gets step.
  void onWindow(std::wstring className, std::function<void(HWND)> step);
  // The message boxes seen, answered or not.
  const std::vector<ShownBox>& boxes() const { return boxes_; }

 private:
  struct Step {
    std::wstring className;
    std::function<void(HWND)> act;
  };
  static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK act(HWND window, UINT message, UINT_PTR timer, DWORD time);
  void actOn(HWND window);

  HHOOK hook_ = nullptr;
  std::deque<Step> steps_;
  std::vector<ShownBox> boxes_;
  std::vector<HWND> seen_;
};

// Clicks a control of window by its ID, as a mouse click would.
void click(HWND window, int id);

}  // namespace win32_test
