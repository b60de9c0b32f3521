#include "cli/project_group.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <unordered_set>

#include "diagnostics/error_trap.h"
#include "utilities/vb_path.h"

namespace cli {

namespace {
// A stop is looked at once per this many lines; a line costs far less than the look.
constexpr std::size_t kLinesPerStopCheck = 4096;

// The project path of a group line, or nothing for the other lines.
std::optional<std::string_view> projectEntry(std::string_view line) {
  for (const std::string_view key : {std::string_view("StartupProject="), std::string_view("Project=")})
    if (line.starts_with(key)) return line.substr(key.size());
  return std::nullopt;
}

// Windows-1252 letters in lower case, as Windows compares file names.
char lowerCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
    return static_cast<char>(byte + 0x20);
  if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 0x10);  // Š Œ Ž
  if (byte == 0x9F) return static_cast<char>(0xFF);                                          // Ÿ
  return c;
}

// The folders and name of a path, "." and ".." applied, empty ones left out.
std::vector<std::string_view> pathComponents(std::string_view path) {
  std::vector<std::string_view> components;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view component = path.substr(start, end - start);
    if (component == ".." && !components.empty() && components.back() != "..") components.pop_back();
    else if (!component.empty() && component != ".") components.push_back(component);
    start = end + 1;
  }
  return components;
}

class GroupReader {
 public:
  GroupReader(const utilities::HeldPath& groupPath, ProjectGroup& group)
      : folder_(folderOf(groupPath)), group_(group) {}

  // Entries share the group's native folder, so their written parts tell them apart.
  void add(std::string_view entry) {
    if (entry.empty()) return;
    utilities::HeldPath path = entry.find(':') == std::string_view::npos
                                   ? utilities::HeldPath(folder_.native, folder_.written + std::string(entry))
                                   : utilities::HeldPath(std::string(entry));
    if (!seen_.insert(projectKey(path.written)).second) return;
    if (isProjectGroup(std::string_view(path.written))) {
      group_.groups.push_back(utilities::pathText(path));
    } else {
      group_.projects.push_back(std::move(path));
    }
  }

 private:
  static utilities::HeldPath folderOf(const utilities::HeldPath& path) {
    if (path.written.empty()) return utilities::HeldPath(utilities::nativeFolderOf(path.native));
    return utilities::HeldPath(path.native, std::string(utilities::folderOf(path.written)));
  }

  utilities::HeldPath folder_;
  ProjectGroup& group_;
  std::unordered_set<std::string> seen_;
};
}  // namespace

bool isProjectGroupPath(const utilities::HeldPath& path) {
  return isProjectGroup(std::string_view(path.written.empty() ? utilities::pathText(path.native) : path.written));
}

bool isProjectGroup(std::string_view path) {
  if (path.size() < 4) return false;
  std::string tail(path.substr(path.size() - 4));
  std::transform(tail.begin(), tail.end(), tail.begin(), lowerCase);
  return tail == ".vbg";
}

std::string projectKey(std::string_view path) {
  std::string key;
  key.reserve(path.size());
  if (!path.empty() && (path.front() == '\\' || path.front() == '/')) key += '/';
  for (const std::string_view component : pathComponents(path)) {
    if (!key.empty() && key.back() != '/') key += '/';
    std::transform(component.begin(), component.end(), std::back_inserter(key), lowerCase);
  }
  return key;
}

ProjectGroup projectsOfGroup(const utilities::HeldPath& groupPath, utilities::LineEnds ends,
                             const std::atomic<bool>* stop, bool& bError) {
  diagnostics::ErrorTrap trap{"scopster-scan", "projectsOfGroup", bError};
  ProjectGroup group;
  std::optional<std::string> bytes;
  if (!trap.step(1, [&] { bytes = utilities::readFileBytes(groupPath); })) return group;
  if (!bytes) {
    group.missing = true;
    return group;
  }
  group.onlyLfLineEnds = ends == utilities::LineEnds::Crlf && utilities::hasOnlyLfLineEnds(*bytes);
  utilities::LineViews lines;
  std::string header;
  if (!trap.step(2, [&] { utilities::splitFileLineViews(*bytes, lines, header, ends); })) return group;
  GroupReader reader(groupPath, group);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if ((i - 1) % kLinesPerStopCheck == 0 && stop != nullptr && stop->load()) {
      group.stopped = true;
      return group;
    }
    if (const auto entry = projectEntry(lines[i])) reader.add(*entry);
  }
  return group;
}

}  // namespace cli
