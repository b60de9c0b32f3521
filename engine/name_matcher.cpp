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

std::uint32_t NameMatcher::child(std::uint32_t node, unsigned char byte) const {
  if (node == 0) return rootChild_[byte];
  const auto found = edges_.find((std::uint64_t{node} << 8) | byte);
  return found == edges_.end() ? 0 : found->second;
}

void NameMatcher::namesIn(std::string_view token, std::vector<std::uint32_t>& ids) const {
  ids.clear();
  for (std::size_t start = 0; start < token.size(); ++start) {
    std::uint32_t node = 0;
    for (std::size_t at = start; at < token.size(); ++at) {
      node = child(node, static_cast<unsigned char>(token[at]));
      if (node == 0) break;
      if (nameAtNode_[node] != kNoName) ids.push_back(nameAtNode_[node]);
    }
  }
  if (ids.size() > 1) {
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  }
}

}  // namespace engine
