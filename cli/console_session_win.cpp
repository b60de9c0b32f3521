#include <windows.h>
#include <io.h>
#include <stdio.h>

#include "cli/console_session.h"

namespace cli {

namespace {
// The console mode of a standard handle, or false when it is no console.
bool consoleMode(DWORD which, DWORD& mode) {
  const HANDLE handle = ::GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

bool setConsoleMode(DWORD which, DWORD mode) { return ::SetConsoleMode(::GetStdHandle(which), mode) != 0; }

// Windows before 10 1511 refuses the flag; its console then shows "ESC [ K" as text.
bool enableEscapes(DWORD which, DWORD mode) {
  return setConsoleMode(which, mode | ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}
}  // namespace

ConsoleSession::ConsoleSession() {
  DWORD mode = 0;
  if (consoleMode(STD_OUTPUT_HANDLE, mode)) {
    outputIsConsole_ = true;
    outputMode_ = mode;
    enableEscapes(STD_OUTPUT_HANDLE, mode);
  }
  if (consoleMode(STD_ERROR_HANDLE, mode)) {
    errorIsConsole_ = true;
    errorMode_ = mode;
    escapeSequences_ = enableEscapes(STD_ERROR_HANDLE, mode);
  }
  if (!outputIsConsole_ && !errorIsConsole_) return;
  outputCodePage_ = ::GetConsoleOutputCP();
  if (::SetConsoleOutputCP(CP_UTF8) == 0)
    problem_ = "the console could not be switched to UTF-8 (error " + std::to_string(::GetLastError()) +
               "); letters outside ASCII may show wrongly";
}

ConsoleSession::~ConsoleSession() {
  if (errorIsConsole_) setConsoleMode(STD_ERROR_HANDLE, errorMode_);
  if (outputIsConsole_) setConsoleMode(STD_OUTPUT_HANDLE, outputMode_);
  if (outputCodePage_ != 0) ::SetConsoleOutputCP(outputCodePage_);
}

bool standardOutputIsTerminal() { return ::_isatty(::_fileno(stdout)) != 0; }
bool standardErrorIsTerminal() { return ::_isatty(::_fileno(stderr)) != 0; }

int standardErrorColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (::GetConsoleScreenBufferInfo(::GetStdHandle(STD_ERROR_HANDLE), &info) == 0) return 0;
  return info.dwSize.X;
}

}  // namespace cli
