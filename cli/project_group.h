#pragma once
// Visual Basic project groups (.vbg): the projects a group file lists.

#include <string>
#include <string_view>
#include <vector>

#include "utilities/line_reader.h"

namespace cli {

// True for a name ending in ".vbg", in any case.
bool isProjectGroup(std::string_view path);

struct ProjectGroup {
  bool missing = false;        // the group file does not exist
  bool onlyLfLineEnds = false;  // read with CR line ends, yet it has LF only
  // Paths of its "StartupProject=" and "Project=" lines in file order, each
  // once; a path without a drive letter is taken relative to the group file.
  std::vector<std::string> projects;
};

// groupPath and the result are Windows-1252. Trapped ("scopster-scan",
// "projectsOfGroup"): a group file that cannot be read sets bError.
ProjectGroup projectsOfGroup(const std::string& groupPath, utilities::LineEnds ends, bool& bError);

}  // namespace cli
