#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/vb_error.h"
#include "tests/support/rerun_as_nobody.h"
#include "tests/support/test_support.h"
#include "utilities/line_reader.h"

namespace {

using utilities::LineList;

// The kept lines without element 0.
std::vector<std::string> keptLines(const LineList& lines) {
  EXPECT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "");
  return lines.empty() ? std::vector<std::string>() : std::vector<std::string>(lines.begin() + 1, lines.end());
}

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
  std::string header;  // "unchanged" when the file has no header line
};

TEST(LineReaderTest, SplitsLinesAndAppliesDotRules) {
  using namespace std::string_literals;
  const SplitCase cases[] = {
      {"CR ends a line", "a\rb\rc", {"a", "b", "c"}, "unchanged"},
      {"CR LF is one terminator", "a\r\nb\r\n", {"a", "b"}, "unchanged"},
      {"CR LF CR LF at the end", "a\r\n\r\n", {"a", " "}, "unchanged"},
      {"LF alone stays in the line", "a\nb\nc\n", {"a\nb\nc\n"}, "unchanged"},
      {"LF after CR LF starts the next line", "a\r\n\nb", {"a", "\nb"}, "unchanged"},
      {"CR before CR LF", "a\r\r\nb", {"a", " ", "b"}, "unchanged"},
      {"empty first line stored as empty", "\r\nsecond", {"", "second"}, "unchanged"},
      {"lone terminator", "\r\n", {""}, "unchanged"},
      {"empty file", "", {}, "unchanged"},
      {"header line", ".Title\r\nx\r\n", {"x"}, "Title"},
      {"header of two dots", "..x\r\ny", {"y"}, ".x"},
      {"header then empty line", ".T\r\n\r\n", {" "}, "T"},
      {"comments dropped", "first\r\n.c1\r\n.c2\r\nkept\r\n", {"first", "kept"}, "unchanged"},
      {"two dots give one", "first\r\n..x\r\n..\r\n", {"first", ".x", "."}, "unchanged"},
      {"indented dot is no comment", "With x\r\n    .Caption = 1\r\n.Caption = 2\r\n",
       {"With x", "    .Caption = 1"}, "unchanged"},
      {"NUL bytes kept", "a\0b\r\n\0\r\n\xFF"s, {"a\0b"s, "\0"s, "\xFF"}, "unchanged"},
  };
  for (const auto& c : cases) {
    LineList lines{"", "stale"};
    std::string header = "unchanged";
    utilities::splitFileLines(c.bytes, lines, header);
    EXPECT_EQ(keptLines(lines), c.lines) << c.name;
    EXPECT_EQ(header, c.header) << c.name;
    EXPECT_EQ(utilities::upperBound(lines), static_cast<std::int32_t>(c.lines.size())) << c.name;
  }
}

TEST(LineReaderTest, CountsLinesAsLineInputReadsThem) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"", 0},      {"a", 1},   {"a\r", 1},   {"a\r\n", 1}, {"a\r\n\r\n", 2},
      {"\n", 1},    {"a\rb", 2}, {"\r\r", 2}, {"a\n\r\n", 1}, {"\r\n\n", 2},
  };
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(utilities::countLines(bytes), expected) << bytes;
}

TEST(LineReaderTest, ReadsFileThroughVbPath) {
  test_support::TempDir dir;
  dir.write("Proj/Forms/Main.frm", ".Header\r\nVERSION 5.00\r\n.drop\r\nBegin\r\n");
  LineList lines;
  std::string header;
  utilities::gReadFileLines(dir.str() + "\\proj\\FORMS\\main.FRM", lines, header);
  EXPECT_EQ(keptLines(lines), (std::vector<std::string>{"VERSION 5.00", "Begin"}));
  EXPECT_EQ(header, "Header");
  EXPECT_EQ(utilities::mnCountFileLines(dir.str() + "/Proj/Forms/Main.frm"), 4);
}

TEST(LineReaderTest, AbsentFilesReadAsNoLines) {
  test_support::TempDir dir;
  std::filesystem::create_directory(dir.path() / "Folder.bas");
  const char* names[] = {"missing.bas", "Folder.bas"};
  for (const char* name : names) {
    const std::string path = dir.str() + "/" + name;
    LineList lines{"", "stale"};
    std::string header = "unchanged";
    utilities::gReadFileLines(path, lines, header);
    EXPECT_EQ(lines, LineList{""}) << name;
    EXPECT_EQ(header, "unchanged") << name;
    EXPECT_EQ(utilities::mnCountFileLines(path), 0) << name;
  }
}

TEST(LineReaderTest, UnreadableFileRaisesItsFileError) {
  if (test_support::rerunAsNobody()) return;  // root reads locked files
  test_support::TempDir dir;
  // Reading a process's memory at offset 0 fails with EIO, even for root.
  std::filesystem::create_symlink("/proc/self/mem", dir.path() / "mem.bas");
  std::vector<std::pair<std::string, std::int32_t>> cases = {{dir.str() + "/mem.bas", vb::err::DeviceIoError}};
  const auto locked = dir.write("locked.bas", "a\r\n");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  cases.emplace_back(locked.string(), vb::err::PermissionDenied);
  for (const auto& [path, number] : cases) {
    LineList lines{"", "kept"};
    std::string header;
    EXPECT_EQ(test_support::raisedVbError([&] { utilities::gReadFileLines(path, lines, header); }), number) << path;
    EXPECT_EQ(lines, (LineList{"", "kept"})) << "list changed by a failed read of " << path;
    EXPECT_THROW(utilities::mnCountFileLines(path), vb::VbError) << path;
  }
}

}  // namespace

namespace {

TEST(LineReaderTest, AnyLineEndsAlsoSplitAtLoneLfAndCr) {
  const SplitCase cases[] = {
      {"LF only", "a\nb\nc\n", {"a", "b", "c"}, "unchanged"},
      {"CR LF stays one terminator", "a\r\nb\r\n", {"a", "b"}, "unchanged"},
      {"CR alone", "a\rb", {"a", "b"}, "unchanged"},
      {"LF CR is two terminators", "a\n\rb", {"a", " ", "b"}, "unchanged"},
      {"empty LF lines become blanks", "a\n\n\nb", {"a", " ", " ", "b"}, "unchanged"},
      {"dot rules still hold", ".T\n.c\n..d\nx", {".d", "x"}, "T"},
  };
  for (const auto& c : cases) {
    LineList lines;
    std::string header = "unchanged";
    utilities::splitFileLines(c.bytes, lines, header, utilities::LineEnds::Any);
    EXPECT_EQ(keptLines(lines), c.lines) << c.name;
    EXPECT_EQ(header, c.header) << c.name;
  }
  const std::pair<const char*, std::int32_t> counts[] = {{"\n", 1}, {"a\nb", 2}, {"a\r\n\n", 2}, {"\n\r", 2}};
  for (const auto& [bytes, expected] : counts)
    EXPECT_EQ(utilities::countLines(bytes, utilities::LineEnds::Any), expected) << bytes;
}

TEST(LineReaderTest, OnlyLfLineEndsAreTold) {
  const std::pair<const char*, bool> cases[] = {
      {"a\nb\n", true}, {"a\r\nb\n", false}, {"a\rb", false}, {"no ends", false}, {"", false}, {"\n", true},
  };
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(utilities::hasOnlyLfLineEnds(bytes), expected) << bytes;
}

TEST(LineReaderTest, LineNumbersCountFileLinesUpToEachOffset) {
  const std::string bytes = "one\r\ntwo\nstill two\rthree\r\n\nfive";
  struct Case {
    utilities::LineEnds ends;
    std::vector<std::pair<std::size_t, std::int32_t>> offsetLines;
  };
  const Case cases[] = {
      {utilities::LineEnds::Crlf, {{0, 1}, {5, 2}, {9, 2}, {19, 3}, {26, 4}, {27, 4}}},
      {utilities::LineEnds::Any, {{0, 1}, {5, 2}, {9, 3}, {19, 4}, {26, 5}, {27, 6}}},
  };
  for (const Case& c : cases) {
    utilities::LineNumbers numbers(bytes, c.ends);
    for (const auto& [offset, line] : c.offsetLines)
      EXPECT_EQ(numbers.at(offset), line) << "offset " << offset << (c.ends == utilities::LineEnds::Any ? " any" : "");
  }
}

}  // namespace
