#pragma once
// Finds which of a fixed set of names occur inside a token, in one walk per
// start position over a trie of the names.

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

class NameMatcher {
 public:
  NameMatcher() = default;
  // Learns the names (identifier bytes only, none empty); a name given twice
  // is learned once.
  explicit NameMatcher(std::vector<std::string> names);

  // The id of a name, or -1 when it was never learned.
  std::int64_t idOf(std::string_view name) const;
  // Every id whose name occurs in token, each once.
  void namesIn(std::string_view token, std::vector<std::uint32_t>& ids) const;
  std::size_t size() const { return names_.size(); }

 private:
  static constexpr std::uint32_t kNoName = 0xFFFFFFFF;
  struct Node {
    std::uint32_t firstChild = 0;  // 0: none (the root is nobody's child)
    std::uint32_t nextSibling = 0;
    std::uint32_t name = kNoName;
    unsigned char byte = 0;
  };
  std::uint32_t child(std::uint32_t node, unsigned char byte) const;

  std::vector<std::string> names_;  // sorted; a name's id is its place here
  std::vector<Node> nodes_;         // node 0 is the root
  // Most start positions end at the first byte: a table answers those.
  std::array<std::uint32_t, 256> rootChild_{};
};

}  // namespace engine
