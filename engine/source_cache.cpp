#include "engine/source_cache.h"

#include "engine/source_scanner.h"
#include "runtime/vb_error.h"
#include "runtime/vb_strings.h"

namespace engine {

void SourceCache::clear() {
  files_.clear();
  names_ = NameMatcher();
}

void SourceCache::prepare(const std::vector<std::string>& paths, const std::function<void()>& between) {
  for (const std::string& path : paths) {
    if (files_.count(path) == 0) {
      try {
        auto loaded = std::make_unique<File>();
        std::string header;
        utilities::gReadFileLines(path, loaded->lines, header);
        for (std::size_t i = 1; i < loaded->lines.size(); ++i) {
          const std::string& line = loaded->lines[i];
          if (!isPublicDeclaration(line)) continue;
          const std::string name = publicNameOf(line);
          if (isIdentifierText(name)) names_.add(name);
        }
        files_.emplace(path, std::move(loaded));
      } catch (const vb::VbError&) {
        // Left unread on purpose: the search that needs it reads it again and
        // reports the failure where it belongs.
      }
    }
    if (between) between();
  }
}

SourceCache::File& SourceCache::file(const std::string& path) {
  const auto found = files_.find(path);
  if (found != files_.end()) return *found->second;
  auto loaded = std::make_unique<File>();
  std::string header;
  utilities::gReadFileLines(path, loaded->lines, header);
  return *files_.emplace(path, std::move(loaded)).first->second;
}

const utilities::LineList& SourceCache::lines(const std::string& path) { return file(path).lines; }

void SourceCache::index(File& file) const {
  std::vector<std::uint32_t> ids;
  for (std::size_t number = 1; number < file.lines.size(); ++number) {
    const std::string& line = file.lines[number];
    std::size_t at = 0;
    while (at < line.size()) {
      while (at < line.size() && !isIdentifierByte(static_cast<unsigned char>(line[at]))) ++at;
      const std::size_t start = at;
      while (at < line.size() && isIdentifierByte(static_cast<unsigned char>(line[at]))) ++at;
      if (at == start) continue;
      names_.namesIn(std::string_view(line).substr(start, at - start), ids);
      for (const std::uint32_t id : ids) {
        auto& numbers = file.linesByName[id];
        if (numbers.empty() || numbers.back() != static_cast<std::int32_t>(number))
          numbers.push_back(static_cast<std::int32_t>(number));
      }
    }
  }
  file.indexed = true;
}

void SourceCache::forEachLineContaining(const std::string& path, std::string_view name,
                                        const std::function<bool(std::int32_t)>& visit) {
  File& source = file(path);
  const std::int64_t id = isIdentifierText(name) ? names_.idOf(name) : -1;
  if (id < 0) {
    // Not a learned name (a name with blanks or punctuation, or an empty one):
    // test every line, as reading afresh would.
    for (std::size_t number = 1; number < source.lines.size(); ++number)
      if (vb::InStr(source.lines[number], name) > 0 && !visit(static_cast<std::int32_t>(number))) return;
    return;
  }
  if (!source.indexed) index(source);
  const auto found = source.linesByName.find(static_cast<std::uint32_t>(id));
  if (found == source.linesByName.end()) return;
  for (const std::int32_t number : found->second)
    if (!visit(number)) return;
}

}  // namespace engine
