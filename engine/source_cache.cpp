#include "engine/source_cache.h"

#include "engine/source_scanner.h"
#include "runtime/vb_error.h"

namespace engine {

void SourceCache::clear() {
  files_.clear();
  byAddress_.clear();
  stateFiles_.clear();
  stateFilesSorted_ = true;
  lastVisit_.clear();
  visits_ = 0;
  names_ = NameMatcher();
  lastName_.clear();
  lastNameId_ = -1;
}

std::int64_t SourceCache::nameId(std::string_view name) {
  if (name != lastName_) {
    lastName_ = name;
    lastNameId_ = names_.idOf(name);  // only identifier names were ever added
  }
  return lastNameId_;
}

void SourceCache::prepare(const std::vector<std::string>& paths, const std::function<bool()>& goOn) {
  std::vector<std::string_view> declarations;  // views into the files read
  for (const std::string& path : paths) {
    if (files_.count(path) == 0) readAhead(path, declarations);
    if (goOn && !goOn()) return;
  }
  learnNames(declarations);
  lastVisit_.assign(names_.stateCount(), 0);
  for (auto& [path, file] : files_) {
    index(*file);
    if (goOn && !goOn()) break;
  }
  lastName_.clear();
  lastNameId_ = -1;
}

void SourceCache::readAhead(const std::string& path, std::vector<std::string_view>& declarations) {
  try {
    auto loaded = read(path);
    for (std::size_t i = 1; i < loaded->lines.size(); ++i) {
      const std::string_view line = loaded->lines[i];
      if (isPublicDeclaration(line)) declarations.push_back(line);
    }
    loaded->slot = slotCount();
    files_.emplace(path, std::move(loaded));
  } catch (const vb::VbError&) {
    // Left unread on purpose: the search that needs it reads it again and
    // reports the failure where it belongs.
  }
}

void SourceCache::learnNames(const std::vector<std::string_view>& declarations) {
  std::vector<std::string> learned;
  learned.reserve(declarations.size());
  for (const std::string_view declaration : declarations) {
    std::string name = publicNameOf(declaration);
    if (isIdentifierText(name)) learned.push_back(std::move(name));
  }
  names_ = NameMatcher(std::move(learned));
}

std::unique_ptr<SourceCache::File> SourceCache::read(const std::string& path) const {
  auto loaded = std::make_unique<File>();
  std::optional<std::string> bytes = utilities::readFileBytes(path);
  if (bytes) loaded->content = std::move(*bytes);
  std::string header;
  utilities::splitFileLineViews(loaded->content, loaded->lines, header, lineEnds_);
  loaded->onlyLfLineEnds = lineEnds_ == utilities::LineEnds::Crlf && utilities::hasOnlyLfLineEnds(loaded->content);
  return loaded;
}

SourceCache::File* SourceCache::find(const std::string& path) {
  const auto recent = byAddress_.find(&path);
  if (recent != byAddress_.end() && *recent->second.path == path) return recent->second.file;
  const auto found = files_.find(path);
  if (found == files_.end()) return nullptr;
  byAddress_[&path] = Recent{&found->first, found->second.get()};
  return found->second.get();
}

SourceCache::File& SourceCache::file(const std::string& path) {
  if (File* known = find(path)) return *known;
  auto loaded = read(path);
  loaded->slot = slotCount();
  const auto added = files_.emplace(path, std::move(loaded)).first;
  byAddress_[&path] = Recent{&added->first, added->second.get()};
  return *added->second;
}

const SourceCache::File* SourceCache::indexedFile(const std::string& path) {
  const File* known = find(path);
  return known != nullptr && known->indexed ? known : nullptr;
}

bool SourceCache::filesContaining(std::string_view name, std::vector<std::uint32_t>& slots) {
  const std::int64_t id = nameId(name);
  if (id < 0) return false;
  if (!stateFilesSorted_) {
    std::sort(stateFiles_.begin(), stateFiles_.end());
    stateFiles_.erase(std::unique(stateFiles_.begin(), stateFiles_.end()), stateFiles_.end());
    stateFilesSorted_ = true;
  }
  const NameMatcher::Range range = names_.rangeOf(static_cast<std::uint32_t>(id));
  const auto from = std::lower_bound(stateFiles_.begin(), stateFiles_.end(),
                                     std::pair<std::uint32_t, std::uint32_t>{range.first, 0});
  slots.clear();
  for (auto at = from; at != stateFiles_.end() && at->first < range.last; ++at) slots.push_back(at->second);
  return true;
}

void SourceCache::index(File& file) {
  if (lastVisit_.size() != names_.stateCount()) lastVisit_.assign(names_.stateCount(), 0);
  for (std::size_t number = 1; number < file.lines.size(); ++number) {
    const std::string_view line = file.lines[number];
    const auto lineNumber = static_cast<std::int32_t>(number);
    ++visits_;
    std::size_t at = 0;
    while (at < line.size()) {
      while (at < line.size() && !isIdentifierByte(static_cast<unsigned char>(line[at]))) ++at;
      const std::size_t start = at;
      while (at < line.size() && isIdentifierByte(static_cast<unsigned char>(line[at]))) ++at;
      if (at == start) continue;
      names_.scan(line.substr(start, at - start), [&](std::uint32_t state) {
        // A state counts once per line, however often the line visits it.
        if (lastVisit_[state] == visits_) return;
        lastVisit_[state] = visits_;
        file.stateLines.emplace_back(state, lineNumber);
      });
    }
  }
  std::sort(file.stateLines.begin(), file.stateLines.end());
  for (std::size_t i = 0; i < file.stateLines.size(); ++i) {
    const std::uint32_t state = file.stateLines[i].first;
    if (i == 0 || file.stateLines[i - 1].first != state) stateFiles_.emplace_back(state, file.slot);
  }
  stateFilesSorted_ = false;
  file.stateLines.shrink_to_fit();
  file.indexed = true;
}

}  // namespace engine
