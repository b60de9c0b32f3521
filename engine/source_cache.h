#pragma once
// The source files of one run, each read once and kept for the rest of the
// run, with an index that tells which lines of a file contain a declared name.
// Answers are exactly those of reading the file afresh and testing each line.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/name_matcher.h"
#include "utilities/line_reader.h"

namespace engine {

class SourceCache {
 public:
  // Reads every file that can be read, without reporting anything, and learns
  // the names their "Public" lines declare. A file that fails here is read
  // again (and its failure reported by the caller's trap) when it is used.
  // between is called after each file, so that the caller can yield.
  void prepare(const std::vector<std::string>& paths, const std::function<void()>& between);

  void clear();

  // The file's lines as gReadFileLines gives them. Raises the read failure.
  const utilities::LineList& lines(const std::string& path);

  // Visits, in ascending order, the 1-based numbers of the file's lines that
  // contain name (VB's InStr(line, name) > 0) until visit returns false.
  // Raises the read failure.
  void forEachLineContaining(const std::string& path, std::string_view name,
                             const std::function<bool(std::int32_t)>& visit);

 private:
  struct File {
    utilities::LineList lines;
    bool indexed = false;
    std::unordered_map<std::uint32_t, std::vector<std::int32_t>> linesByName;
  };

  File& file(const std::string& path);
  void index(File& file) const;

  std::unordered_map<std::string, std::unique_ptr<File>> files_;
  NameMatcher names_;
};

}  // namespace engine
