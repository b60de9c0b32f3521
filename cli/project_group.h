#pragma once
// Visual Basic project groups (.vbg): the projects a group file lists.

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "utilities/line_reader.h"
#include "utilities/vb_path.h"

namespace cli {

// True for a name ending in ".vbg", in any case.
bool isProjectGroup(std::string_view path);
bool isProjectGroupPath(const utilities::HeldPath& path);

// The same file for every spelling Windows takes for it: "\" or "/", "."
// and ".." folders, doubled separators and letter case do not matter.
std::string projectKey(std::string_view path);

struct ProjectGroup {
  bool missing = false;         // the group file does not exist
  bool onlyLfLineEnds = false;  // read with CR line ends, yet it has LF only
  bool stopped = false;         // a stop came before the whole list was read
  // Paths of its "StartupProject=" and "Project=" lines in file order, each
  // project once however it is spelt; a path without ':' is taken relative
  // to the group file.
  std::vector<utilities::HeldPath> projects;
  std::vector<std::string> groups;  // entries naming a group, which a group cannot hold (UTF-8)
};

// Entries are joined to the group's folder. Reading stops early once *stop
// is set. Trapped ("scopster-scan", "projectsOfGroup"): a group file that
// cannot be read sets bError.
ProjectGroup projectsOfGroup(const utilities::HeldPath& groupPath, utilities::LineEnds ends,
                             const std::atomic<bool>* stop, bool& bError);

}  // namespace cli
