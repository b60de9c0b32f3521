#include "win32/form_window.h"

#include "diagnostics/error_trap.h"
#include "runtime/vb_error.h"

namespace win32 {

namespace {

void registerClass(const wchar_t* className, WNDPROC procedure) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(instance, className, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.cbWndExtra = DLGWINDOWEXTRA;
  windowClass.hInstance = instance;
  // The icon of the resources, named by the number the resource script gives it.
  windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  if (::RegisterClassExW(&windowClass) == 0) vb::raise(vb::err::OutOfMemory);
}

}  // namespace

FormWindow::~FormWindow() {
  if (handle_ != nullptr) {
    ::SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    ::DestroyWindow(handle_);
  }
}

HWND FormWindow::control(int id) const { return handle_ != nullptr ? ::GetDlgItem(handle_, id) : nullptr; }

void FormWindow::createWindow(const WindowShape& shape) {
  registerClass(shape.className, &FormWindow::procedure);
  HWND window = ::CreateWindowExW(shape.extendedStyle | WS_EX_CONTROLPARENT, shape.className, L"", shape.style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, shape.owner,
                                  shape.menu, ::GetModuleHandleW(nullptr), this);
  if (window == nullptr) vb::raise(vb::err::OutOfMemory);
  font_ = messageFont(windowDpi(window));
  // The outer size that gives the client area its design size.
  const forms::PixelRect client = pixelRectOf({0, 0, shape.clientWidth, shape.clientHeight}, window);
  RECT outer{0, 0, client.width, client.height};
  if (!::AdjustWindowRectExForDpi(&outer, shape.style, shape.menu != nullptr, shape.extendedStyle | WS_EX_CONTROLPARENT,
                                  windowDpi(window)))
    vb::raise(vb::err::OutOfMemory);
  ::SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND FormWindow::addControl(int id, const wchar_t* controlClass, DWORD style, std::wstring_view text,
                            DWORD extendedStyle) {
  const std::wstring caption(text);
  HWND control = ::CreateWindowExW(extendedStyle, controlClass, caption.c_str(), style | WS_CHILD, 0, 0, 0, 0,
                                   handle_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   ::GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr) vb::raise(vb::err::OutOfMemory);
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

void FormWindow::placeChild(HWND control, const forms::TwipsRect& place) {
  const forms::PixelRect pixels = pixelRectOf(place, handle_);
  if (!::MoveWindow(control, pixels.left, pixels.top, pixels.width, pixels.height, TRUE))
    vb::raise(vb::err::InvalidPropertyValue);
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DPICHANGED) {
    changeDpi(*reinterpret_cast<const RECT*>(lParam));
    return 0;
  }
  return ::DefDlgProcW(handle_, message, wParam, lParam);
}

// The window moved to a monitor of another dpi: the system's size for it,
// then the font at the new dpi. The resize that follows places the controls.
void FormWindow::changeDpi(const RECT& suggested) {
  font_ = messageFont(windowDpi(handle_));
  setFontOnControls();
  ::SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::setFontOnControls() {
  for (HWND child = ::GetWindow(handle_, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return ::DefDlgProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->handle_ = nullptr;
    form->windowDestroyed();
    return ::DefDlgProcW(window, message, wParam, lParam);
  }
  // A failure of the view itself (a font, a control the system refused) is
  // reported like any other; it must not unwind through the system's frames.
  LRESULT result = 0;
  bool bError = false;
  diagnostics::ErrorTrap trap{form->formName(), "WindowProc", bError};
  trap.step(1, [&] { result = form->handleMessage(message, wParam, lParam); });
  return result;
}

}  // namespace win32
