#include "engine/source_cache.h"

#include "engine/source_scanner.h"
#include "runtime/vb_error.h"

namespace engine {

void SourceCache::clear() {
  files_.clear();
  byAddress_.clear();
  slotsByName_.clear();
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

void SourceCache::prepare(const std::vector<std::string>& paths, const std::function<void()>& between) {
  std::vector<std::string_view> declarations;  // views into the files read
  for (const std::string& path : paths) {
    if (files_.count(path) == 0) {
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
    if (between) between();
  }
  learnNames(declarations);
  slotsByName_.assign(names_.size(), {});
  for (auto& [path, file] : files_) {
    index(*file);
    if (between) between();
  }
  lastName_.clear();
  lastNameId_ = -1;
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

const std::vector<std::uint32_t>* SourceCache::filesContaining(std::string_view name) {
  const std::int64_t id = nameId(name);
  if (id < 0 || static_cast<std::size_t>(id) >= slotsByName_.size()) return nullptr;
  return &slotsByName_[static_cast<std::size_t>(id)];
}

void SourceCache::index(File& file) {
  std::vector<std::uint32_t> ids;
  for (std::size_t number = 1; number < file.lines.size(); ++number) {
    const std::string_view line = file.lines[number];
    const auto lineNumber = static_cast<std::int32_t>(number);
    const std::size_t firstOfLine = file.nameLines.size();
    std::size_t at = 0;
    while (at < line.size()) {
      while (at < line.size() && !isIdentifierByte(static_cast<unsigned char>(line[at]))) ++at;
      const std::size_t start = at;
      while (at < line.size() && isIdentifierByte(static_cast<unsigned char>(line[at]))) ++at;
      if (at == start) continue;
      names_.namesIn(line.substr(start, at - start), ids);
      for (const std::uint32_t id : ids) file.nameLines.emplace_back(id, lineNumber);
    }
    // A name found in several tokens of one line counts once for that line.
    if (file.nameLines.size() - firstOfLine > 1) {
      std::sort(file.nameLines.begin() + static_cast<std::ptrdiff_t>(firstOfLine), file.nameLines.end());
      file.nameLines.erase(std::unique(file.nameLines.begin() + static_cast<std::ptrdiff_t>(firstOfLine),
                                       file.nameLines.end()),
                           file.nameLines.end());
    }
  }
  std::stable_sort(file.nameLines.begin(), file.nameLines.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < file.nameLines.size(); ++i) {
    const std::uint32_t id = file.nameLines[i].first;
    if ((i == 0 || file.nameLines[i - 1].first != id) && id < slotsByName_.size())
      slotsByName_[id].push_back(file.slot);
  }
  file.indexed = true;
}

}  // namespace engine
