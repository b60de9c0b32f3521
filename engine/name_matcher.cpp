#include "engine/name_matcher.h"

#include <algorithm>

namespace engine {

bool isIdentifierText(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return isIdentifierByte(static_cast<unsigned char>(c)); });
}

std::uint32_t NameMatcher::add(std::string_view name) {
  const auto [entry, inserted] = ids_.try_emplace(std::string(name), static_cast<std::uint32_t>(ids_.size()));
  if (!inserted) return entry->second;
  firstChild_.clear();  // no longer frozen
  std::uint32_t node = 0;
  for (const char c : name) {
    const std::uint64_t key = (std::uint64_t{node} << 8) | static_cast<unsigned char>(c);
    const auto found = edges_.find(key);
    if (found != edges_.end()) {
      node = found->second;
      continue;
    }
    const auto next = static_cast<std::uint32_t>(nameAtNode_.size());
    nameAtNode_.push_back(kNoName);
    edges_.emplace(key, next);
    if (node == 0) rootChild_[static_cast<unsigned char>(c)] = next;
    node = next;
  }
  nameAtNode_[node] = entry->second;
  return entry->second;
}

std::int64_t NameMatcher::idOf(std::string_view name) const {
  const auto found = ids_.find(name);
  if (found == ids_.end()) return -1;
  return static_cast<std::int64_t>(found->second);
}

void NameMatcher::reserve(std::size_t names, std::size_t bytes) {
  ids_.reserve(names);
  edges_.reserve(bytes);
  nameAtNode_.reserve(bytes + 1);
}

void NameMatcher::freeze() {
  const std::size_t nodes = nameAtNode_.size();
  firstChild_.assign(nodes + 1, 0);
  for (const auto& [key, next] : edges_) ++firstChild_[static_cast<std::size_t>(key >> 8) + 1];
  for (std::size_t n = 0; n < nodes; ++n) firstChild_[n + 1] += firstChild_[n];
  childBytes_.assign(edges_.size(), 0);
  childNodes_.assign(edges_.size(), 0);
  std::vector<std::uint32_t> filled(firstChild_.begin(), firstChild_.end() - 1);
  for (const auto& [key, next] : edges_) {
    const std::uint32_t at = filled[static_cast<std::size_t>(key >> 8)]++;
    childBytes_[at] = static_cast<unsigned char>(key & 0xFF);
    childNodes_[at] = next;
  }
}

std::uint32_t NameMatcher::child(std::uint32_t node, unsigned char byte) const {
  if (node == 0) return rootChild_[byte];
  if (!firstChild_.empty()) {
    for (std::uint32_t at = firstChild_[node]; at < firstChild_[node + 1]; ++at)
      if (childBytes_[at] == byte) return childNodes_[at];
    return 0;
  }
  const auto found = edges_.find((std::uint64_t{node} << 8) | byte);
  return found == edges_.end() ? 0 : found->second;
}

void NameMatcher::namesIn(std::string_view token, std::vector<std::uint32_t>& ids) const {
  ids.clear();
  for (std::size_t start = 0; start < token.size(); ++start) {
    std::uint32_t node = rootChild_[static_cast<unsigned char>(token[start])];
    for (std::size_t at = start + 1; node != 0; ++at) {
      if (nameAtNode_[node] != kNoName) ids.push_back(nameAtNode_[node]);
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
