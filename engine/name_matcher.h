#pragma once
// Finds which of a fixed set of names occur inside a token, in one pass over
// the token.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Bytes that can belong to an identifier. A name made only of these bytes can
// only occur inside a maximal run of them, which is what lets the index work
// token by token.
namespace detail {
constexpr std::array<bool, 256> identifierBytes() {
  std::array<bool, 256> table{};
  for (int byte = 0; byte < 256; ++byte)
    table[static_cast<std::size_t>(byte)] = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                            (byte >= '0' && byte <= '9') || byte == '_' || byte >= 0x80;
  return table;
}
inline constexpr std::array<bool, 256> kIdentifierBytes = identifierBytes();
}  // namespace detail

inline bool isIdentifierByte(unsigned char byte) { return detail::kIdentifierBytes[byte]; }
bool isIdentifierText(std::string_view text);

// An Aho-Corasick automaton over the names. Scanning a token visits one state
// per byte, whatever the names' lengths. A state stands for the longest
// suffix of the text so far that begins some name; the names found at that
// point are exactly those whose states are its ancestors in the failure tree.
// Numbering that tree in depth-first order gives each name a range of state
// numbers: a name occurs in a text iff the scan visits a state numbered inside
// the name's range. The index keeps the visited numbers, not the names found,
// so its size follows the text even when a token holds thousands of names.
class NameMatcher {
 public:
  NameMatcher() = default;
  // Learns the names (identifier bytes only, none empty); a name given twice
  // is learned once.
  explicit NameMatcher(std::vector<std::string> names);

  // The id of a name, or -1 when it was never learned.
  std::int64_t idOf(std::string_view name) const;
  std::size_t size() const { return names_.size(); }
  std::size_t stateCount() const { return nodes_.size(); }

  struct Range {
    std::uint32_t first = 0;  // state numbers first..last-1
    std::uint32_t last = 0;
  };
  // The state numbers whose visit means that name id occurs.
  Range rangeOf(std::uint32_t id) const;

  // Calls visit(number) for the state after each byte of token, when a name
  // ends there (a state that finds nothing is not visited). The same number
  // can come more than once.
  template <typename Visit>
  void scan(std::string_view token, Visit&& visit) const;

 private:
  static constexpr std::uint32_t kNoName = 0xFFFFFFFF;
  struct Node {
    std::uint32_t firstChild = 0;  // 0: none (the root is nobody's child)
    std::uint32_t nextSibling = 0;
    std::uint32_t fail = 0;
    std::uint32_t number = 0;  // depth-first place in the failure tree
    std::uint32_t end = 0;     // one past the last number below it
    bool findsName = false;    // a name ends here or at one of its suffixes
    unsigned char byte = 0;
  };
  void buildTrie();
  void linkFailures();
  void numberFailureTree();
  std::uint32_t child(std::uint32_t node, unsigned char byte) const;
  std::uint32_t next(std::uint32_t state, unsigned char byte) const;

  std::vector<std::string> names_;     // sorted; a name's id is its place here
  std::vector<std::uint32_t> nodeOf_;  // by name id
  std::vector<Node> nodes_;            // node 0 is the root
  std::array<std::uint32_t, 256> rootChild_{};
};

template <typename Visit>
void NameMatcher::scan(std::string_view token, Visit&& visit) const {
  if (names_.empty()) return;
  std::uint32_t state = 0;
  for (const char c : token) {
    state = next(state, static_cast<unsigned char>(c));
    if (nodes_[state].findsName) visit(nodes_[state].number);
  }
}

}  // namespace engine
