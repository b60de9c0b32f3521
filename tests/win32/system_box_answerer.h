#pragma once
// Answers the system's own message boxes of this thread as a user would: it
// watches for a box to open, notes its title and text, and presses a button.

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace win32_test {

struct AnsweredBox {
  std::wstring title;
  std::wstring text;
};

class SystemBoxAnswerer {
 public:
  SystemBoxAnswerer();
  ~SystemBoxAnswerer();
  SystemBoxAnswerer(const SystemBoxAnswerer&) = delete;
  SystemBoxAnswerer& operator=(const SystemBoxAnswerer&) = delete;

  // The button (IDOK, IDABORT, ...) pressed in the next box; once the queue
  // runs out, the box's own Escape answer (IDCANCEL) is sent.
  void queueButton(int button) { buttons_.push_back(button); }
  const std::vector<AnsweredBox>& boxes() const { return boxes_; }

 private:
  static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK press(HWND box, UINT message, UINT_PTR timer, DWORD time);
  void answer(HWND box);

  HHOOK hook_ = nullptr;
  std::deque<int> buttons_;
  std::vector<AnsweredBox> boxes_;
  std::vector<HWND> answered_;
};

}  // namespace win32_test
