#include "cli/project_group.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "diagnostics/error_trap.h"

namespace cli {

namespace {
// The project path of a group line, or nothing for the other lines.
std::optional<std::string_view> projectEntry(std::string_view line) {
  for (const std::string_view key : {std::string_view("StartupProject="), std::string_view("Project=")})
    if (line.starts_with(key)) return line.substr(key.size());
  return std::nullopt;
}

std::string folderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

void addProject(std::string_view entry, const std::string& folder, std::vector<std::string>& projects) {
  if (entry.empty()) return;
  std::string path = entry.find(':') == std::string_view::npos ? folder + std::string(entry) : std::string(entry);
  if (std::find(projects.begin(), projects.end(), path) == projects.end()) projects.push_back(std::move(path));
}
}  // namespace

bool isProjectGroup(std::string_view path) {
  if (path.size() < 4) return false;
  std::string tail(path.substr(path.size() - 4));
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".vbg";
}

ProjectGroup projectsOfGroup(const std::string& groupPath, utilities::LineEnds ends, bool& bError) {
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
  const std::string folder = folderOf(groupPath);
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (const auto entry = projectEntry(lines[i])) addProject(*entry, folder, group.projects);
  return group;
}

}  // namespace cli
