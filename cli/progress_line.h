#pragma once
// A one-line progress display on a terminal's standard error: shown once a
// run has taken longer than a moment, redrawn a few times a second, erased
// before anything else is written there and at the end.

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace cli {

struct ProgressSettings {
  bool enabled = false;  // standard error is a terminal
  std::chrono::milliseconds delay{500};
  // False on a console that ignores escape sequences: the line is then
  // overwritten with spaces instead of erased with "ESC [ K".
  bool escapeSequences = true;
  // The terminal's width in columns now (it can change during a run); 0 or
  // no function when unknown.
  std::function<int()> columns;
};

class ProgressLine {
 public:
  static constexpr int kDefaultColumns = 80;

  ProgressLine(std::ostream& err, ProgressSettings settings) : err_(err), settings_(std::move(settings)) {}

  void startRun();
  // text is Windows-1252; its end is kept when it is wider than the terminal.
  void update(std::string_view text);
  void erase();

 private:
  using Clock = std::chrono::steady_clock;

  std::size_t width() const;

  std::ostream& err_;
  ProgressSettings settings_;
  Clock::time_point runStart_{};
  Clock::time_point lastDraw_{};
  bool shown_ = false;
  std::size_t shownLength_ = 0;  // characters on the line now
};

}  // namespace cli
