#pragma once
// Finds which of a fixed set of names occur inside a token, in one walk per
// start position over a trie of the names.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
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
  // Adds a name (identifier bytes only, not empty); returns its id. Adding the
  // same name twice returns the same id.
  std::uint32_t add(std::string_view name);
  // Makes room for this many names of this many bytes in all, so that adding
  // them does not rehash.
  void reserve(std::size_t names, std::size_t bytes);
  // The id of a name, or -1 when it was never added.
  std::int64_t idOf(std::string_view name) const;
  // Lays the trie out flat for fast walking; call after the last add.
  void freeze();
  // Every id whose name occurs in token, each once.
  void namesIn(std::string_view token, std::vector<std::uint32_t>& ids) const;
  std::size_t size() const { return ids_.size(); }

 private:
  static constexpr std::uint32_t kNoName = 0xFFFFFFFF;
  std::uint32_t child(std::uint32_t node, unsigned char byte) const;

  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  std::unordered_map<std::string, std::uint32_t, TextHash, std::equal_to<>> ids_;
  std::unordered_map<std::uint64_t, std::uint32_t> edges_;  // (node << 8 | byte) -> node
  std::vector<std::uint32_t> nameAtNode_{kNoName};          // node 0 is the root
  // Most start positions end at the first byte: a table answers those
  // without hashing.
  std::array<std::uint32_t, 256> rootChild_{};
  // The frozen trie: the children of node n are at firstChild_[n] up to
  // firstChild_[n + 1] in childBytes_ / childNodes_.
  std::vector<std::uint32_t> firstChild_;
  std::vector<unsigned char> childBytes_;
  std::vector<std::uint32_t> childNodes_;
};

}  // namespace engine
