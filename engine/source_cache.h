#pragma once
// The source files of one run, each read once and kept for the rest of the
// run, with an index that tells which lines of a file contain a declared name.
// Answers are exactly those of reading the file afresh and testing each line.

#include <algorithm>
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
  // between is called after each file, so that the caller can yield.
  void prepare(const std::vector<std::string>& paths, const std::function<void()>& between);

  void clear();
  void setLineEnds(utilities::LineEnds ends) { lineEnds_ = ends; }

  struct File {
    std::string content;         // the file's bytes; lines point into them
    utilities::LineViews lines;  // as gReadFileLines would give them
    std::uint32_t slot = 0;  // order of reading, for filesContaining()
    bool indexed = false;
    bool onlyLfLineEnds = false;  // read with CR line ends, yet it has LF only
    // (name id, line number) for every line that contains a learned name,
    // sorted by name, then line.
    std::vector<std::pair<std::uint32_t, std::int32_t>> nameLines;
  };

  // The file as gReadFileLines reads it; read on first use. Raises the read
  // failure (and reads again next time).
  File& file(const std::string& path);
  const utilities::LineViews& lines(const std::string& path) { return file(path).lines; }
  // The file when it has been read and indexed already; never reads.
  const File* indexedFile(const std::string& path);

  // The slots of the indexed files in which name occurs, or nullptr when the
  // name is not one the index knows (then every file must be searched).
  const std::vector<std::uint32_t>* filesContaining(std::string_view name);
  std::uint32_t slotCount() const { return static_cast<std::uint32_t>(files_.size()); }

  // Visits, in ascending order, the 1-based numbers of the file's lines that
  // contain name (VB's InStr(line, name) > 0) until visit returns false.
  template <typename Visit>
  void forEachLineContaining(File& source, std::string_view name, Visit&& visit);

 private:
  void index(File& file);
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
  std::vector<std::vector<std::uint32_t>> slotsByName_;
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
  const auto byName = [](const std::pair<std::uint32_t, std::int32_t>& entry, std::uint32_t name) {
    return entry.first < name;
  };
  const auto name32 = static_cast<std::uint32_t>(id);
  for (auto at = std::lower_bound(source.nameLines.begin(), source.nameLines.end(), name32, byName);
       at != source.nameLines.end() && at->first == name32; ++at)
    if (!visit(at->second)) return;
}

}  // namespace engine
