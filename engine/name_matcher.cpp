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
  buildTrie();
  linkFailures();
  numberFailureTree();
}

// Sorted names share their prefixes with the name before them: the trie
// grows along the path of the previous name, without any lookup.
void NameMatcher::buildTrie() {
  nodes_.assign(1, Node{});
  nodeOf_.assign(names_.size(), 0);
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
      Node added;
      added.byte = static_cast<unsigned char>(name[depth]);
      nodes_.push_back(added);
      lastChild.push_back(0);
      if (lastChild[parent] == 0) nodes_[parent].firstChild = node;
      else nodes_[lastChild[parent]].nextSibling = node;
      lastChild[parent] = node;
      if (parent == 0) rootChild_[added.byte] = node;
      path.push_back(node);
    }
    nodeOf_[id] = path.back();
    nodes_[path.back()].findsName = true;
    previous = name;
  }
}

// Breadth first, so that a node's failure target is complete before it.
void NameMatcher::linkFailures() {
  std::vector<std::uint32_t> queue;
  queue.reserve(nodes_.size());
  queue.push_back(0);
  for (std::size_t at = 0; at < queue.size(); ++at) {
    const std::uint32_t parent = queue[at];
    for (std::uint32_t node = nodes_[parent].firstChild; node != 0; node = nodes_[node].nextSibling) {
      nodes_[node].fail = parent == 0 ? 0 : next(nodes_[parent].fail, nodes_[node].byte);
      nodes_[node].findsName = nodes_[node].findsName || nodes_[nodes_[node].fail].findsName;
      queue.push_back(node);
    }
  }
}

void NameMatcher::numberFailureTree() {
  // Children of each node in the failure tree, as one array (counting sort).
  std::vector<std::uint32_t> start(nodes_.size() + 1, 0);
  for (std::size_t node = 1; node < nodes_.size(); ++node) ++start[nodes_[node].fail + 1];
  for (std::size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
  std::vector<std::uint32_t> children(nodes_.size());
  std::vector<std::uint32_t> filled(start.begin(), start.end() - 1);
  for (std::size_t node = 1; node < nodes_.size(); ++node)
    children[filled[nodes_[node].fail]++] = static_cast<std::uint32_t>(node);
  // Depth first without recursion: a name may be a megabyte deep.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> stack{{0, start[0]}};  // node, next child slot
  std::uint32_t counter = 0;
  nodes_[0].number = counter++;
  while (!stack.empty()) {
    auto& [node, slot] = stack.back();
    if (slot == start[node + 1]) {
      nodes_[node].end = counter;
      stack.pop_back();
      continue;
    }
    const std::uint32_t below = children[slot++];
    nodes_[below].number = counter++;
    stack.emplace_back(below, start[below]);
  }
}

std::int64_t NameMatcher::idOf(std::string_view name) const {
  const auto found = std::lower_bound(names_.begin(), names_.end(), name);
  if (found == names_.end() || *found != name) return -1;
  return static_cast<std::int64_t>(found - names_.begin());
}

NameMatcher::Range NameMatcher::rangeOf(std::uint32_t id) const {
  const Node& node = nodes_[nodeOf_[id]];
  return Range{node.number, node.end};
}

std::uint32_t NameMatcher::child(std::uint32_t node, unsigned char byte) const {
  if (node == 0) return rootChild_[byte];
  for (std::uint32_t next = nodes_[node].firstChild; next != 0; next = nodes_[next].nextSibling)
    if (nodes_[next].byte == byte) return next;
  return 0;
}

std::uint32_t NameMatcher::next(std::uint32_t state, unsigned char byte) const {
  for (;;) {
    const std::uint32_t found = child(state, byte);
    if (found != 0 || state == 0) return found;
    state = nodes_[state].fail;
  }
}

}  // namespace engine
