#include "engine/name_matcher.h"

#include <algorithm>

namespace engine {

bool isIdentifierText(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return isIdentifierByte(static_cast<unsigned char>(c)); });
}

NameMatcher::NameMatcher(std::vector<std::string> names) : names_(std::move(names)) {
  std::sort(names_.begin(), names_.end());
  names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
  // Sorted names share their prefixes with the name before them: the trie
  // grows along the path of the previous name, without any lookup.
  nodes_.emplace_back();
  std::vector<std::uint32_t> lastChild{0};  // per node
  std::vector<std::uint32_t> path{0};       // the previous name's nodes, root first
  std::string_view previous;
  for (std::size_t id = 0; id < names_.size(); ++id) {
    const std::string_view name = names_[id];
    const auto shared = static_cast<std::size_t>(
        std::mismatch(name.begin(), name.end(), previous.begin(), previous.end()).first - name.begin());
    path.resize(shared + 1);
    for (std::size_t depth = shared; depth < name.size(); ++depth) {
      const std::uint32_t parent = path.back();
      const auto node = static_cast<std::uint32_t>(nodes_.size());
      nodes_.push_back(Node{0, 0, kNoName, static_cast<unsigned char>(name[depth])});
      lastChild.push_back(0);
      if (lastChild[parent] == 0) nodes_[parent].firstChild = node;
      else nodes_[lastChild[parent]].nextSibling = node;
      lastChild[parent] = node;
      if (parent == 0) rootChild_[static_cast<unsigned char>(name[depth])] = node;
      path.push_back(node);
    }
    nodes_[path.back()].name = static_cast<std::uint32_t>(id);
    previous = name;
  }
}

std::int64_t NameMatcher::idOf(std::string_view name) const {
  const auto found = std::lower_bound(names_.begin(), names_.end(), name);
  if (found == names_.end() || *found != name) return -1;
  return static_cast<std::int64_t>(found - names_.begin());
}

std::uint32_t NameMatcher::child(std::uint32_t node, unsigned char byte) const {
  if (node == 0) return rootChild_[byte];
  for (std::uint32_t next = nodes_[node].firstChild; next != 0; next = nodes_[next].nextSibling)
    if (nodes_[next].byte == byte) return next;
  return 0;
}

void NameMatcher::namesIn(std::string_view token, std::vector<std::uint32_t>& ids) const {
  ids.clear();
  for (std::size_t start = 0; start < token.size(); ++start) {
    std::uint32_t node = rootChild_[static_cast<unsigned char>(token[start])];
    for (std::size_t at = start + 1; node != 0; ++at) {
      if (nodes_[node].name != kNoName) ids.push_back(nodes_[node].name);
      if (at == token.size()) break;
      node = child(node, static_cast<unsigned char>(token[at]));
    }
  }
  if (ids.size() > 1) {
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  }
}

}  // namespace engine
