#include "win32/system_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <utility>

#include "platform/windows_text.h"
#include "runtime/vb_error.h"
#include "win32/wide_text.h"

namespace win32 {

namespace {

constexpr int kIconMask = 0x70;
constexpr int kDefaultButtonMask = 0x300;
// A path as long as the system's wide calls take.
constexpr DWORD kPathCapacity = 32768;

UINT messageBoxStyle(int style) {
  namespace mb = diagnostics::msgbox;
  const int buttons = style & mb::ButtonMask;
  const int icon = style & kIconMask;
  const int known = mb::ButtonMask | kIconMask | kDefaultButtonMask;
  if ((buttons != mb::OkOnly && buttons != mb::AbortRetryIgnore && buttons != mb::YesNo) ||
      (icon != 0 && icon != mb::Exclamation) || (style & ~known) != 0)
    vb::raise(vb::err::InvalidProcedureCall);
  return static_cast<UINT>(style) | MB_TASKMODAL | MB_SETFOREGROUND;
}

}  // namespace

int SystemDialogs::messageBox(std::string_view prompt, int style, std::string_view title) {
  const UINT type = messageBoxStyle(style);
  const int answer = ::MessageBoxW(::GetActiveWindow(), wideFromCp1252(prompt).c_str(),
                                   wideFromCp1252(title).c_str(), type);
  if (answer == 0) vb::raise(vb::err::OutOfMemory);
  return answer;
}

std::wstring fileDialogFilter(std::string_view filter) {
  if (filter.empty()) return {};
  std::wstring list = wideFromUtf8(filter);
  std::size_t parts = 1;
  for (wchar_t& character : list)
    if (character == L'|') {
      character = L'\0';
      ++parts;
    }
  if (parts % 2 != 0) vb::raise(vb::err::InvalidProcedureCall);
  list.push_back(L'\0');
  return list;
}

std::string SystemDialogs::openFile(const diagnostics::FileOpenRequest& request) {
  const std::wstring filter = fileDialogFilter(request.filter);
  const std::wstring title = wideFromUtf8(request.title);
  const std::wstring folder = wideFromUtf8(request.initialFolder);
  std::wstring file = wideFromUtf8(request.fileName);
  if (file.size() >= kPathCapacity) vb::raise(vb::err::BadFileNameOrNumber);
  file.resize(kPathCapacity, L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ::GetActiveWindow();
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kPathCapacity;
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = static_cast<DWORD>(request.flags) | OFN_EXPLORER;
  if (!::GetOpenFileNameW(&dialog)) {
    const DWORD failure = ::CommDlgExtendedError();
    if (failure != 0)
      throw vb::VbError(vb::err::InternalError, "Internal error: the file dialog failed (" + std::to_string(failure) + ")");
    return request.fileName;
  }
  file.resize(file.find(L'\0'));
  // A path from the system stays itself: the program holds paths as UTF-8.
  return utf8FromWide(file);
}

std::string SystemDialogs::multiLineText(std::string_view caption) { return multiLineText_(caption); }

}  // namespace win32
