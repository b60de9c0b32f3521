#include "engine/usage_index.h"

#include <algorithm>

#include "engine/declaring_file.h"
#include "engine/vb_lexer.h"

namespace engine {

namespace {
// A polynomial hash over the folded bytes, so that the hashes of every
// prefix and suffix of an identifier come in one pass each.
constexpr std::uint64_t kBase = 0x100000001B3ULL;

std::uint64_t byteValue(char byte) { return static_cast<std::uint64_t>(foldByte(static_cast<unsigned char>(byte))) + 1; }


// Checked now and then while a file is scanned: about every megabyte.
constexpr std::size_t kBytesPerCheck = 1 << 20;
}  // namespace

std::uint64_t UsageIndex::mapKey(std::uint64_t hash, std::size_t length, Match match) {
  std::uint64_t mixed = hash ^ (static_cast<std::uint64_t>(length) * 0x9E3779B97F4A7C15ULL);
  return mixed ^ (static_cast<std::uint64_t>(match) << 61);
}

std::size_t UsageIndex::shapeOf(std::string_view text) {
  const std::size_t first = foldByte(static_cast<unsigned char>(text.front()));
  const std::size_t last = foldByte(static_cast<unsigned char>(text.back()));
  return ((std::min<std::size_t>(text.size(), 255) * 257 + first) * 263 + last) % kShapeBits;
}

std::uint32_t UsageIndex::add(std::string_view name, Match match) {
  if (!name.empty()) shapes_[shapeOf(name) / 64] |= std::uint64_t{1} << (shapeOf(name) % 64);
  std::uint64_t hash = 0;
  for (const char byte : name) hash = hash * kBase + byteValue(byte);
  const std::uint64_t slot = mapKey(hash, name.size(), match);
  filter_[(slot % kFilterBits) / 64] |= std::uint64_t{1} << (slot % 64);
  const auto [head, inserted] = byHash_.try_emplace(slot, static_cast<std::uint32_t>(keys_.size()));
  if (!inserted) {
    for (std::uint32_t id = head->second; id != UINT32_MAX; id = keys_[id].nextSameHash)
      if (keys_[id].match == match && sameName(keys_[id].name, name)) return id;
  }
  Key key;
  key.name = name;
  key.match = match;
  if (!inserted) {
    key.nextSameHash = head->second;
    head->second = static_cast<std::uint32_t>(keys_.size());
  }
  anyHandlerOf_ = anyHandlerOf_ || match == Match::HandlerOf;
  anyHandledBy_ = anyHandledBy_ || match == Match::HandledBy;
  keys_.push_back(std::move(key));
  return static_cast<std::uint32_t>(keys_.size() - 1);
}

void UsageIndex::watch(std::uint32_t key, std::uint32_t file) {
  Key& watched = keys_[key];
  const auto index = static_cast<std::int32_t>(file);
  if (watched.watchedFile == kNoFile || watched.watchedFile == index) watched.watchedFile = index;
  else spans_.try_emplace(spanKey(key, file));
}

bool UsageIndex::scan(std::uint32_t file, std::string_view bytes, utilities::LineEnds ends,
                      const std::function<bool()>& goOn) {
  ++scanStamp_;
  touched_.clear();
  LexState state;
  std::size_t bytesSinceCheck = 0;
  bool stopped = false;
  forEachLine(bytes, ends, [&](std::string_view line, std::int32_t number) {
    if (stopped) return;
    lexLine(line, state, [&](const Token& token) {
      if (token.kind == TokenKind::Name) identifier(token.text, number);
    });
    bytesSinceCheck += line.size() + 1;
    if (bytesSinceCheck >= kBytesPerCheck && goOn) {
      bytesSinceCheck = 0;
      stopped = !goOn();
    }
  });
  endFile(file);
  return !stopped;
}

void UsageIndex::identifier(std::string_view text, std::int32_t line) {
  // Handler names are found inside longer identifiers, which the shape test
  // cannot know of.
  if (!anyHandlerOf_ && !anyHandledBy_) {
    const std::size_t shape = shapeOf(text);
    if ((shapes_[shape / 64] & (std::uint64_t{1} << (shape % 64))) == 0) return;
  }
  std::uint64_t hash = 0;
  bool underscore = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '_') {
      underscore = true;
      if (anyHandlerOf_ && i > 0) lookUp(hash, text.substr(0, i), Match::HandlerOf, line);
    }
    hash = hash * kBase + byteValue(text[i]);
  }
  lookUp(hash, text, Match::Whole, line);
  if (!underscore || !anyHandledBy_) return;
  std::uint64_t suffix = 0;
  std::uint64_t power = 1;
  for (std::size_t i = text.size(); i > 1; --i) {
    suffix += byteValue(text[i - 1]) * power;
    power *= kBase;
    if (text[i - 2] == '_') lookUp(suffix, text.substr(i - 1), Match::HandledBy, line);
  }
}

void UsageIndex::lookUp(std::uint64_t hash, std::string_view text, Match match, std::int32_t line) {
  const std::uint64_t slot = mapKey(hash, text.size(), match);
  if ((filter_[(slot % kFilterBits) / 64] & (std::uint64_t{1} << (slot % 64))) == 0) return;
  const auto head = byHash_.find(slot);
  if (head == byHash_.end()) return;
  for (std::uint32_t id = head->second; id != UINT32_MAX; id = keys_[id].nextSameHash)
    if (keys_[id].match == match && sameName(text, keys_[id].name)) {
      seen(id, line);
      return;
    }
}

void UsageIndex::seen(std::uint32_t id, std::int32_t line) {
  Key& key = keys_[id];
  if (key.scanStamp != scanStamp_) {
    key.scanStamp = scanStamp_;
    key.firstLine = line;
    touched_.push_back(id);
  }
  key.lastLine = line;
}

void UsageIndex::endFile(std::uint32_t file) {
  const auto index = static_cast<std::int32_t>(file);
  for (const std::uint32_t id : touched_) {
    Key& key = keys_[id];
    if (key.firstFile == kNoFile) key.firstFile = index;
    else if (key.firstFile != index && key.secondFile == kNoFile) key.secondFile = index;
    const LineSpan seenHere{key.firstLine, key.lastLine, true};
    if (key.watchedFile == index) {
      key.watchedSpan = seenHere;
    } else if (!spans_.empty()) {
      const auto span = spans_.find(spanKey(id, file));
      if (span != spans_.end()) span->second = seenHere;
    }
  }
  touched_.clear();
}

bool UsageIndex::usedOutside(std::uint32_t key, std::uint32_t file) const {
  const Key& k = keys_[key];
  const auto index = static_cast<std::int32_t>(file);
  return (k.firstFile != kNoFile && k.firstFile != index) || k.secondFile != kNoFile;
}

const UsageIndex::LineSpan* UsageIndex::spanOf(std::uint32_t key, std::uint32_t file) const {
  if (keys_[key].watchedFile == static_cast<std::int32_t>(file)) return &keys_[key].watchedSpan;
  const auto span = spans_.find(spanKey(key, file));
  return span == spans_.end() ? nullptr : &span->second;
}

bool UsageIndex::usedInFileOutside(std::uint32_t key, std::uint32_t file, std::int32_t first,
                                   std::int32_t last) const {
  const LineSpan* span = spanOf(key, file);
  if (span == nullptr || !span->seen) return false;
  return span->first < first || span->last > last;
}

}  // namespace engine
