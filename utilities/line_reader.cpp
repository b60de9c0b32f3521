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
std::size_t endOfLastTerminator(std::string_view bytes, LineEnds ends) {
  const std::size_t last = ends == LineEnds::Any ? bytes.find_last_of("\r\n") : bytes.rfind('\r');
  if (last == std::string_view::npos) return 0;
  const std::size_t after = last + 1;
  return after < bytes.size() && bytes[last] == '\r' && bytes[after] == '\n' ? after + 1 : after;
}

// A LF that ends a line of its own, not the second half of CR LF.
bool isLoneLf(std::string_view bytes, std::size_t at) {
  return bytes[at] == '\n' && (at == 0 || bytes[at - 1] != '\r');
}

std::size_t countTerminators(std::string_view bytes, std::size_t from, std::size_t to, LineEnds ends) {
  const std::string_view part = bytes.substr(from, to - from);
  auto count = static_cast<std::size_t>(std::count(part.begin(), part.end(), '\r'));
  if (ends == LineEnds::Any)
    for (std::size_t at = from; at < to; ++at) count += isLoneLf(bytes, at) ? 1 : 0;
  return count;
}

}  // namespace

std::size_t LineCursor::next(char byte, std::size_t from) const {
  const char* begin = bytes_.data() + from;
  const auto* found = static_cast<const char*>(std::memchr(begin, byte, bytes_.size() - from));
  return found == nullptr ? std::string_view::npos : from + static_cast<std::size_t>(found - begin);
}

// The next CR and LF are each searched again only once the cursor has passed
// them: linear over the whole text, at memchr's speed.
std::size_t LineCursor::endOfLine(std::size_t from) {
  if (!crSearched_ || nextCr_ < from) nextCr_ = next('\r', from);
  crSearched_ = true;
  if (ends_ == LineEnds::Crlf) return nextCr_;
  if (!lfSearched_ || nextLf_ < from) nextLf_ = next('\n', from);
  lfSearched_ = true;
  return std::min(nextCr_, nextLf_);
}

std::string_view LineCursor::readLine() {
  if (atEnd()) return {};
  const std::size_t begin = position_;
  const std::size_t end = endOfLine(begin);
  if (end == std::string_view::npos) {
    position_ = bytes_.size();
    return bytes_.substr(begin);
  }
  position_ = end + 1;
  if (bytes_[end] == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  return bytes_.substr(begin, end - begin);
}

std::int32_t countLines(std::string_view bytes, LineEnds ends) {
  const std::size_t terminators = countTerminators(bytes, 0, bytes.size(), ends);
  const bool openLastLine = endOfLastTerminator(bytes, ends) < bytes.size();
  const std::size_t total = terminators + (openLastLine ? 1 : 0);
  if (total > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) vb::raise(vb::err::Overflow);
  return static_cast<std::int32_t>(total);
}

bool hasOnlyLfLineEnds(std::string_view bytes) {
  return bytes.find('\n') != std::string_view::npos && bytes.find("\r\n") == std::string_view::npos;
}

std::int32_t LineNumbers::at(std::size_t offset) {
  offset = std::min(offset, bytes_.size());
  if (offset > counted_) {
    line_ += static_cast<std::int32_t>(countTerminators(bytes_, counted_, offset, ends_));
    counted_ = offset;
  }
  return line_;
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
void splitInto(std::string_view bytes, Lines& lines, std::string& header, LineEnds ends,
               std::size_t keepAtMost = std::numeric_limits<std::size_t>::max()) {
  const std::int32_t total = countLines(bytes, ends);
  lines.assign(1, {});
  if (total == 0 || keepAtMost == 0) return;
  lines.reserve(std::min(static_cast<std::size_t>(total), keepAtMost) + 1);

  LineCursor file(bytes, ends);
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

void splitFileLines(std::string_view bytes, LineList& lines, std::string& header, LineEnds ends) {
  splitInto(bytes, lines, header, ends);
}

void splitFileLineViews(std::string_view bytes, LineViews& lines, std::string& header, LineEnds ends) {
  splitInto(bytes, lines, header, ends);
}

void splitFirstFileLineViews(std::string_view bytes, LineViews& lines, std::string& header,
                             std::size_t keepAtMost, LineEnds ends) {
  splitInto(bytes, lines, header, ends, keepAtMost);
}

std::optional<std::string> readFileBytes(const HeldPath& fileName) { return readVisibleFile(fileName); }

std::int32_t mnCountFileLines(const HeldPath& fileName) {
  const std::optional<std::string> content = readVisibleFile(fileName);
  return content ? countLines(*content) : 0;
}

void gReadFileLines(const HeldPath& fileName, LineList& lines, std::string& header, LineEnds ends) {
  const std::optional<std::string> content = readVisibleFile(fileName);
  if (!content) {
    lines.assign(1, std::string());
    return;
  }
  splitFileLines(*content, lines, header, ends);
}

}  // namespace utilities
