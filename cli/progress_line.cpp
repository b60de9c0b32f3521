#include "cli/progress_line.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "cli/terminal_text.h"

namespace cli {

namespace {
constexpr std::chrono::milliseconds kRedrawInterval{100};
constexpr std::string_view kEraseLine = "\r\x1b[K";
}  // namespace

// A line as wide as the terminal moves the cursor to the next row on some
// terminals, and a wrapped line cannot be erased with a CR: one column stays free.
namespace {
// Where the last columns characters of a UTF-8 text begin, and how many there
// are: a character is a byte that does not continue a sequence.
std::pair<std::size_t, std::size_t> lastCharacters(std::string_view utf8, std::size_t columns) {
  std::size_t start = utf8.size();
  std::size_t count = 0;
  while (start > 0 && count < columns) {
    --start;
    if ((static_cast<unsigned char>(utf8[start]) & 0xC0) != 0x80) ++count;
  }
  return {start, count};
}
}  // namespace

std::size_t ProgressLine::width() const {
  const int columns = settings_.columns ? settings_.columns() : 0;
  return static_cast<std::size_t>(columns > 1 ? columns - 1 : kDefaultColumns - 1);
}

void ProgressLine::startRun() { runStart_ = Clock::now(); }

void ProgressLine::update(std::string_view text) {
  if (!settings_.enabled) return;
  // The end of the text (the file name) is the telling part.
  const Clock::time_point now = Clock::now();
  if (now - runStart_ < settings_.delay || (shown_ && now - lastDraw_ < kRedrawInterval)) return;
  const auto [start, length] = lastCharacters(text, width());
  const std::string shown = terminalSafe(text.substr(start));
  if (settings_.escapeSequences) {
    err_ << kEraseLine << shown;
  } else {
    // Spaces cover what a longer earlier text left; the next CR returns.
    err_ << '\r' << shown << std::string(shownLength_ > length ? shownLength_ - length : 0, ' ');
  }
  err_ << std::flush;
  lastDraw_ = now;
  shown_ = true;
  shownLength_ = std::max(shownLength_, length);
}

void ProgressLine::erase() {
  if (!shown_) return;
  if (settings_.escapeSequences) err_ << kEraseLine;
  else err_ << '\r' << std::string(shownLength_, ' ') << '\r';
  err_ << std::flush;
  shown_ = false;
  shownLength_ = 0;
}

}  // namespace cli
