#pragma once
// A form as a Win32 window: a top-level window with the dialog manager's
// keys (Tab, Enter on a button, access keys), its controls created by ID in
// the system's message font, and places given in twips at its own dpi.

#include <windows.h>

#include <string_view>

#include "forms/twips_rect.h"
#include "win32/window_metrics.h"

namespace win32 {

class FormWindow {
 public:
  FormWindow() = default;
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Null once the window is gone.
  HWND handle() const { return handle_; }
  HWND control(int id) const;
  // The form's name, as its failures are reported.
  virtual std::string_view formName() const = 0;

 protected:
  struct WindowShape {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
    HWND owner;
    HMENU menu;
    // The client area, in twips.
    float clientWidth;
    float clientHeight;
  };
  // Creates the window hidden. Raises Out of memory (7) when the system
  // cannot.
  void createWindow(const WindowShape& shape);
  // A child control of a system class, in tab order of creation.
  HWND addControl(int id, const wchar_t* controlClass, DWORD style, std::wstring_view text, DWORD extendedStyle = 0);
  void placeChild(HWND control, const forms::TwipsRect& place);

  // The window's own messages; what it leaves goes to the dialog manager.
  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called once the window is gone (WM_NCDESTROY).
  virtual void windowDestroyed() {}

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void changeDpi(const RECT& suggested);
  void setFontOnControls();

  HWND handle_ = nullptr;
  Font font_;
};

// The dialog manager's class name for message boxes and our dialogs alike.
inline constexpr const wchar_t* kDialogClass = L"#32770";

}  // namespace win32
