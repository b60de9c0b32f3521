#pragma once
// Reads a whole text file into a line list with the dot-comment rules:
// a later line "." + x is dropped, ".." + x comes back as "." + x, an empty
// later line comes back as " ", and a first line "." + x is the header x.
// A line ends at CR; CR LF is one terminator; a lone LF stays in the line,
// as VB6 reads it. LineEnds::Any also ends a line at a lone LF, for checkouts
// whose line ends were converted.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "utilities/vb_path.h"

namespace utilities {

enum class LineEnds { Crlf, Any };

// Element 0 exists and stays empty; the lines are at 1..n, so the highest
// index is the count.
using LineList = std::vector<std::string>;

inline std::int32_t upperBound(const LineList& lines) {
  return lines.empty() ? 0 : static_cast<std::int32_t>(lines.size() - 1);
}

// An open file's bytes and read position, as msReadNextLine sees them.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes, LineEnds ends = LineEnds::Crlf) : bytes_(bytes), ends_(ends) {}
  bool atEnd() const { return position_ >= bytes_.size(); }
  // The next raw line without its terminator; "" at the end.
  std::string_view readLine();

 private:
  std::size_t endOfLine(std::size_t from);
  std::size_t next(char byte, std::size_t from) const;

  std::string_view bytes_;
  LineEnds ends_;
  std::size_t position_ = 0;
  // Where the next CR and LF were found (npos: none); valid once searched.
  std::size_t nextCr_ = 0;
  std::size_t nextLf_ = 0;
  bool crSearched_ = false;
  bool lfSearched_ = false;
};

// fileName is mapped with nativePath.
// A missing file (or a folder, or a hidden file) reads as no lines; a file that
// exists but cannot be read raises its file error (untrapped: the caller's trap
// reports it) and leaves lines and header as they were. The file is read once.
void gReadFileLines(const HeldPath& fileName, LineList& lines, std::string& header,
                    LineEnds ends = LineEnds::Crlf);

// The lines of bytes, as gReadFileLines reads them from a file.
void splitFileLines(std::string_view bytes, LineList& lines, std::string& header,
                    LineEnds ends = LineEnds::Crlf);

// The same lines as views into bytes (or into static text), without copying:
// element 0 exists and stays empty. For readers that keep the bytes.
using LineViews = std::vector<std::string_view>;
void splitFileLineViews(std::string_view bytes, LineViews& lines, std::string& header,
                        LineEnds ends = LineEnds::Crlf);
// The same, but stops once keepAtMost lines are kept: for a reader that
// refuses longer files anyway, so that it never builds what it refuses.
void splitFirstFileLineViews(std::string_view bytes, LineViews& lines, std::string& header,
                             std::size_t keepAtMost, LineEnds ends = LineEnds::Crlf);

// The bytes of a file as gReadFileLines reads it; nothing when it does not
// exist (or is a folder or hidden). Raises the read failure.
std::optional<std::string> readFileBytes(const HeldPath& fileName);

// Number of lines in the file, 0 when it does not exist.
std::int32_t mnCountFileLines(const HeldPath& fileName);
std::int32_t countLines(std::string_view bytes, LineEnds ends = LineEnds::Crlf);

// True when the bytes hold a LF but no CR LF: a file whose line ends were
// converted, which VB6 reads as one long line.
bool hasOnlyLfLineEnds(std::string_view bytes);

// The 1-based number of the file line that starts at each offset, for offsets
// asked in ascending order; linear in the bytes over all calls.
class LineNumbers {
 public:
  explicit LineNumbers(std::string_view bytes, LineEnds ends = LineEnds::Crlf) : bytes_(bytes), ends_(ends) {}
  std::int32_t at(std::size_t offset);

 private:
  std::string_view bytes_;
  LineEnds ends_;
  std::size_t counted_ = 0;  // bytes before this offset are counted
  std::int32_t line_ = 1;
};

// The next line to keep, or "" when the file holds no further line.
std::string msReadNextLine(LineCursor& file);

}  // namespace utilities
