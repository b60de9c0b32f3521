#include "utilities/line_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

#include "runtime/vb_error.h"
#include "utilities/file_bytes.h"

namespace utilities {

namespace {
bool startsWith(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

// A single leading dot; ".." stands for a line that really begins with ".".
bool isComment(std::string_view line) { return startsWith(line, ".") && !startsWith(line, ".."); }

// Where the text after the last terminator begins (0 when there is no terminator).
std::size_t endOfLastTerminator(std::string_view bytes) {
  const std::size_t lastCr = bytes.rfind('\r');
  if (lastCr == std::string_view::npos) return 0;
  const std::size_t afterCr = lastCr + 1;
  return afterCr < bytes.size() && bytes[afterCr] == '\n' ? afterCr + 1 : afterCr;
}

}  // namespace

std::string_view LineCursor::readLine() {
  if (atEnd()) return {};
  const char* begin = bytes_.data() + position_;
  const std::size_t remaining = bytes_.size() - position_;
  const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', remaining));
  if (cr == nullptr) {
    position_ = bytes_.size();
    return {begin, remaining};
  }
  const auto length = static_cast<std::size_t>(cr - begin);
  position_ += length + 1;
  if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  return {begin, length};
}

std::int32_t countLines(std::string_view bytes) {
  const auto terminators = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
  const bool openLastLine = endOfLastTerminator(bytes) < bytes.size();
  const std::size_t total = terminators + (openLastLine ? 1 : 0);
  if (total > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) vb::raise(vb::err::Overflow);
  return static_cast<std::int32_t>(total);
}

namespace {
// The next line to keep, as a view into the file's bytes (or " ").
std::string_view nextKeptLine(LineCursor& file) {
  std::string_view line;
  while (!file.atEnd()) {
    line = file.readLine();
    if (line.empty()) line = " ";
    if (!isComment(line)) break;
  }
  if (startsWith(line, "..")) return line.substr(1);
  // The loop only leaves on a comment when the file ended on one.
  if (isComment(line)) return {};
  return line;
}

// Both line lists are built by this one walk, so they cannot disagree.
template <typename Lines>
void splitInto(std::string_view bytes, Lines& lines, std::string& header,
               std::size_t keepAtMost = std::numeric_limits<std::size_t>::max()) {
  const std::int32_t total = countLines(bytes);
  lines.assign(1, {});
  if (total == 0 || keepAtMost == 0) return;
  lines.reserve(std::min(static_cast<std::size_t>(total), keepAtMost) + 1);

  LineCursor file(bytes);
  const std::string_view first = file.readLine();
  if (startsWith(first, ".")) {
    header.assign(first.substr(1));
  } else {
    lines.emplace_back(first);
  }
  if (total == 1) return;
  std::int32_t kept = static_cast<std::int32_t>(lines.size()) - 1;
  do {
    const std::string_view line = nextKeptLine(file);
    if (!line.empty()) {
      lines.emplace_back(line);
      ++kept;
    }
  } while (!file.atEnd() && kept < total && static_cast<std::size_t>(kept) < keepAtMost);
}
}  // namespace

std::string msReadNextLine(LineCursor& file) { return std::string(nextKeptLine(file)); }

void splitFileLines(std::string_view bytes, LineList& lines, std::string& header) {
  splitInto(bytes, lines, header);
}

void splitFileLineViews(std::string_view bytes, LineViews& lines, std::string& header) {
  splitInto(bytes, lines, header);
}

void splitFirstFileLineViews(std::string_view bytes, LineViews& lines, std::string& header,
                             std::size_t keepAtMost) {
  splitInto(bytes, lines, header, keepAtMost);
}

std::optional<std::string> readFileBytes(const std::string& fileName) { return readVisibleFile(fileName); }

std::int32_t mnCountFileLines(const std::string& fileName) {
  const std::optional<std::string> content = readVisibleFile(fileName);
  return content ? countLines(*content) : 0;
}

void gReadFileLines(const std::string& fileName, LineList& lines, std::string& header) {
  const std::optional<std::string> content = readVisibleFile(fileName);
  if (!content) {
    lines.assign(1, std::string());
    return;
  }
  splitFileLines(*content, lines, header);
}

}  // namespace utilities
