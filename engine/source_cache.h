#pragma once
// The source files of one run, each read once and kept for the rest of the
// run, with an index that tells which lines of a file contain a declared name.
// Answers are exactly those of reading the file afresh and testing each line.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/name_matcher.h"
#include "runtime/vb_strings.h"
#include "utilities/line_reader.h"

namespace engine {

class SourceCache {
 public:
  // Reads every file that can be read, without reporting anything, and learns
  // the names their "Public" lines declare. A file that fails here is read
  // again (and its failure reported by the caller's trap) when it is used.
  // goOn is called after each file read and each file indexed, so that the
  // caller can yield; when it returns false, preparing ends there (a stop).
  void prepare(const std::vector<std::string>& paths, const std::function<bool()>& goOn);

  void clear();
  void setLineEnds(utilities::LineEnds ends) { lineEnds_ = ends; }

  struct File {
    std::string content;         // the file's bytes; lines point into them
    utilities::LineViews lines;  // as gReadFileLines would give them
    std::uint32_t slot = 0;  // order of reading, for filesContaining()
    bool indexed = false;
    bool onlyLfLineEnds = false;  // read with CR line ends, yet it has LF only
    // (state number, line number) for every line in which the name index
    // visits a state that finds a name; sorted, each pair once.
    std::vector<std::pair<std::uint32_t, std::int32_t>> stateLines;
  };

  // The file as gReadFileLines reads it; read on first use. Raises the read
  // failure (and reads again next time).
  File& file(const std::string& path);
  const utilities::LineViews& lines(const std::string& path) { return file(path).lines; }
  // The file when it has been read and indexed already; never reads.
  const File* indexedFile(const std::string& path);

  // Fills slots with the slots of the indexed files in which name occurs;
  // false when the name is not one the index knows (then every file must be
  // searched).
  bool filesContaining(std::string_view name, std::vector<std::uint32_t>& slots);
  std::uint32_t slotCount() const { return static_cast<std::uint32_t>(files_.size()); }

  // Visits, in ascending order, the 1-based numbers of the file's lines that
  // contain name (VB's InStr(line, name) > 0) until visit returns false.
  template <typename Visit>
  void forEachLineContaining(File& source, std::string_view name, Visit&& visit);

 private:
  void index(File& file);
  void readAhead(const std::string& path, std::vector<std::string_view>& declarations);
  std::unique_ptr<File> read(const std::string& path) const;
  void learnNames(const std::vector<std::string_view>& declarations);
  File* find(const std::string& path);
  std::int64_t nameId(std::string_view name);

  utilities::LineEnds lineEnds_ = utilities::LineEnds::Crlf;
  std::unordered_map<std::string, std::unique_ptr<File>> files_;
  // A run asks again and again with the same path strings: remembering where
  // each string lives saves hashing the path on every search.
  struct Recent {
    const std::string* path = nullptr;
    File* file = nullptr;
  };
  std::unordered_map<const std::string*, Recent> byAddress_;
  NameMatcher names_;
  // (state number, slot) once for every file that visits the state; sorted.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> stateFiles_;
  bool stateFilesSorted_ = true;
  // The last line (counted over the run) that visited each state.
  std::vector<std::uint64_t> lastVisit_;
  std::uint64_t visits_ = 0;
  // A run asks for the same name file after file.
  std::string lastName_;
  std::int64_t lastNameId_ = -1;
};

template <typename Visit>
void SourceCache::forEachLineContaining(File& source, std::string_view name, Visit&& visit) {
  const std::int64_t id = nameId(name);
  if (id < 0) {
    // Not a learned name (a name with blanks or punctuation, or an empty one):
    // test every line, as reading afresh would.
    for (std::size_t number = 1; number < source.lines.size(); ++number)
      if (vb::InStr(source.lines[number], name) > 0 && !visit(static_cast<std::int32_t>(number))) return;
    return;
  }
  if (!source.indexed) index(source);
  const NameMatcher::Range range = names_.rangeOf(static_cast<std::uint32_t>(id));
  const auto from = std::lower_bound(source.stateLines.begin(), source.stateLines.end(),
                                     std::pair<std::uint32_t, std::int32_t>{range.first, 0});
  const auto to = std::lower_bound(from, source.stateLines.end(), std::pair<std::uint32_t, std::int32_t>{range.last, 0});
  // Each state's lines are in order; a heap merges the states' runs, so a
  // search that stops at its first line never sorts the rest.
  using Entry = std::vector<std::pair<std::uint32_t, std::int32_t>>::const_iterator;
  std::vector<std::pair<Entry, Entry>> runs;
  for (auto at = from; at != to;) {
    const auto runEnd = std::upper_bound(at, to, std::pair<std::uint32_t, std::int32_t>{at->first, INT32_MAX});
    runs.emplace_back(at, runEnd);
    at = runEnd;
  }
  const auto later = [](const auto& a, const auto& b) { return a.first->second > b.first->second; };
  std::make_heap(runs.begin(), runs.end(), later);
  std::int32_t lastVisited = 0;
  while (!runs.empty()) {
    std::pop_heap(runs.begin(), runs.end(), later);
    auto& run = runs.back();
    const std::int32_t number = run.first->second;
    if (++run.first == run.second) runs.pop_back();
    else std::push_heap(runs.begin(), runs.end(), later);
    if (number == lastVisited) continue;
    lastVisited = number;
    if (!visit(number)) return;
  }
}

}  // namespace engine
