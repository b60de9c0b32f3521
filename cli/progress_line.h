#pragma once
// A one-line progress display on a terminal's standard error: shown once a
// run has taken longer than a moment, redrawn a few times a second, erased
// before anything else is written there and at the end.

#include <chrono>
#include <iosfwd>
#include <string>
#include <string_view>

namespace cli {

class ProgressLine {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kDefaultDelay{500};

  // Nothing is ever drawn when enabled is false (standard error is no terminal).
  ProgressLine(std::ostream& err, bool enabled, std::chrono::milliseconds delay = kDefaultDelay)
      : err_(err), enabled_(enabled), delay_(delay) {}

  void startRun();
  // text is Windows-1252; it is cut to one terminal line.
  void update(std::string_view text);
  void erase();

 private:
  std::ostream& err_;
  bool enabled_;
  std::chrono::milliseconds delay_;
  Clock::time_point runStart_{};
  Clock::time_point lastDraw_{};
  bool shown_ = false;
};

// True when standard error is a terminal.
bool standardErrorIsTerminal();

}  // namespace cli
