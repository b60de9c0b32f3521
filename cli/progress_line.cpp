#include "cli/progress_line.h"

#include <ostream>

#include "runtime/codepage.h"

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#else
#include <unistd.h>
#endif

namespace cli {

namespace {
constexpr std::chrono::milliseconds kRedrawInterval{100};
// Wider text would wrap, and a wrapped line cannot be erased with a CR.
constexpr std::size_t kMaxColumns = 79;
constexpr std::string_view kEraseLine = "\r\x1b[K";

// The end of the text is the telling part (the file name); control bytes of
// a file name must not reach the terminal as commands.
std::string shownText(std::string_view text) {
  std::string shown(text.size() <= kMaxColumns ? text : text.substr(text.size() - kMaxColumns));
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return vb::cp1252ToUtf8(shown);
}
}  // namespace

void ProgressLine::startRun() { runStart_ = Clock::now(); }

void ProgressLine::update(std::string_view text) {
  if (!enabled_) return;
  const Clock::time_point now = Clock::now();
  if (now - runStart_ < delay_ || (shown_ && now - lastDraw_ < kRedrawInterval)) return;
  err_ << kEraseLine << shownText(text) << std::flush;
  lastDraw_ = now;
  shown_ = true;
}

void ProgressLine::erase() {
  if (!shown_) return;
  err_ << kEraseLine << std::flush;
  shown_ = false;
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return ::isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace cli
