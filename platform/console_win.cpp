#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <string_view>

#include "platform/console.h"
#include "platform/windows_text.h"

namespace platform {

namespace {
std::atomic<void (*)()> interruptHandler{nullptr};

BOOL WINAPI onConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (auto handler = interruptHandler.load()) handler();
  return TRUE;
}
}  // namespace

void useBinaryStandardStreams() {
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
}

std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

void catchInterrupts(void (*onInterrupt)()) {
  interruptHandler = onInterrupt;
  ::SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

}  // namespace platform
