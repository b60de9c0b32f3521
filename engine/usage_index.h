#pragma once
// Where the declared names are used: every code file is cut into identifiers
// once, and each identifier is looked up among the names being judged. What
// is kept per name is small (the first two files that use it, and in the
// files that declare it the first and last line), so memory follows the
// number of names, not the size of the code.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "utilities/line_reader.h"

namespace engine {

class UsageIndex {
 public:
  enum class Match {
    Whole,      // the identifier NAME, in any case
    HandlerOf,  // an identifier NAME_Something: a handler of NAME's events
    HandledBy,  // an identifier Something_NAME: a handler of the event NAME
  };

  // Learns a name, which must outlive the index (it is kept as a view); the
  // same name in any case and the same match give the same key.
  std::uint32_t add(std::string_view name, Match match);
  // Keeps the first and last line at which key is used in file.
  void watch(std::uint32_t key, std::uint32_t file);

  // Reads the identifiers of one file (each file once, any order). goOn is
  // asked now and then; false ends the scan early, and scan returns false.
  bool scan(std::uint32_t file, std::string_view bytes, utilities::LineEnds ends,
            const std::function<bool()>& goOn = {});

  // True when key is used in a file other than file.
  bool usedOutside(std::uint32_t key, std::uint32_t file) const;
  // True when key is used in a watched file on a line outside first..last.
  bool usedInFileOutside(std::uint32_t key, std::uint32_t file, std::int32_t first, std::int32_t last) const;

 private:
  static constexpr std::int32_t kNoFile = -1;
  struct LineSpan {
    std::int32_t first = 0;
    std::int32_t last = 0;
    bool seen = false;
  };
  struct Key {
    std::string_view name;
    Match match = Match::Whole;
    std::uint32_t nextSameHash = UINT32_MAX;
    std::int32_t firstFile = kNoFile;
    std::int32_t secondFile = kNoFile;
    // While a file is scanned: the lines at which it was seen there.
    std::uint32_t scanStamp = 0;
    std::int32_t firstLine = 0;
    std::int32_t lastLine = 0;
    // Nearly every name is declared in one file: its span there is kept
    // here, and only further files go to spans_.
    std::int32_t watchedFile = kNoFile;
    LineSpan watchedSpan;
  };

  void identifier(std::string_view text, std::int32_t line);
  void lookUp(std::uint64_t hash, std::string_view text, Match match, std::int32_t line);
  void seen(std::uint32_t id, std::int32_t line);
  void endFile(std::uint32_t file);
  static std::uint64_t mapKey(std::uint64_t hash, std::size_t length, Match match);
  static std::uint64_t spanKey(std::uint32_t key, std::uint32_t file) {
    return (static_cast<std::uint64_t>(key) << 32) | file;
  }

  std::vector<Key> keys_;
  std::unordered_map<std::uint64_t, std::uint32_t> byHash_;  // the first key of each hash
  // One bit per hash bucket of the learned keys: most identifiers are not
  // names being judged, and a bit test rules them out before any lookup.
  static constexpr std::size_t kFilterBits = 1 << 20;
  std::vector<std::uint64_t> filter_ = std::vector<std::uint64_t>(kFilterBits / 64, 0);
  // Cheaper still, before any hashing: one bit per (length, first byte, last
  // byte) of the whole names.
  static constexpr std::size_t kShapeBits = 1 << 16;
  static std::size_t shapeOf(std::string_view text);
  std::vector<std::uint64_t> shapes_ = std::vector<std::uint64_t>(kShapeBits / 64, 0);
  bool anyHandlerOf_ = false;
  bool anyHandledBy_ = false;
  const LineSpan* spanOf(std::uint32_t key, std::uint32_t file) const;
  std::unordered_map<std::uint64_t, LineSpan> spans_;
  std::vector<std::uint32_t> touched_;
  std::uint32_t scanStamp_ = 0;
};

}  // namespace engine
