// Analyser's project file reader: the code entries of a .vbp file.
#include <array>
#include <string_view>

#include "diagnostics/error_trap.h"
#include "engine/analyser.h"
#include "engine/vb_lexer.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"
#include "utilities/file_exists.h"
#include "utilities/line_reader.h"
#include "utilities/vb_path.h"

namespace engine {

namespace {
constexpr std::size_t kMaxProjectLines = 32767;  // the line loop counts in 16 bits

bool isDeclaringEntry(std::string_view line) { return vb::Left(line, 4) == "Form" || vb::Left(line, 6) == "Module"; }

// "Form=x.frm" -> "x.frm"; "Module=modA; modA.bas" -> "modA.bas".
std::string declaringEntryPath(const std::string& line) {
  const std::int64_t length = vb::Len(line);
  if (vb::Left(line, 4) == "Form") return std::string(vb::Right(line, length - 5));
  return std::string(vb::Right(line, length - vb::InStr(line, ";") - 1));
}

// The other entries that name a code file: "Class=CFoo; CFoo.cls",
// "UserControl=ctl.ctl", ...; nothing for any other line.
std::optional<std::string> searchedEntryPath(std::string_view line) {
  static constexpr std::array<std::string_view, 5> kKeys = {"Class=", "UserControl=", "PropertyPage=",
                                                            "UserDocument=", "Designer="};
  for (const std::string_view key : kKeys) {
    if (line.substr(0, key.size()) != key) continue;
    std::string_view value = line.substr(key.size());
    if (const std::size_t semicolon = value.find(';'); semicolon != std::string_view::npos)
      value = value.substr(semicolon + 1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    return std::string(value);
  }
  return std::nullopt;
}

bool isSubMainStartup(std::string_view line) {
  if (line.substr(0, 8) != "Startup=") return false;
  std::string_view value = line.substr(8);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return sameName(value, "Sub Main");
}
}  // namespace

// Entries are written relative to the project's folder: the native one, or
// the written folder of a project that a group lists.
utilities::HeldPath Analyser::projectFolder() const {
  if (project_.written.empty()) return utilities::HeldPath(utilities::nativeFolderOf(project_.native));
  return utilities::HeldPath(project_.native, std::string(utilities::folderOf(project_.written)));
}

std::int16_t Analyser::mnGetSourceFiles(bool& bError) {
  diagnostics::ErrorTrap trap{"frmScopster", "mnGetSourceFiles", bError};
  const utilities::HeldPath& project = project_;
  bool exists = false;
  if (!trap.step(1, [&] { exists = utilities::gbFileExists(project, bError); })) return 0;
  if (bError || !exists) {
    events_.projectMissing();
    summary_.projectMissing = true;
    return 0;
  }
  std::string bytes;
  utilities::LineViews lines{std::string_view()};
  std::int16_t lineCount = 0;
  if (!trap.step(2, [&] {
        std::string header;
        bytes = utilities::readFileBytes(project).value_or(std::string());
        // One line past the 16-bit count is enough to overflow it below.
        utilities::splitFirstFileLineViews(bytes, lines, header, kMaxProjectLines + 1, lineEnds_);
      }))
    return 0;
  if (lineEnds_ == utilities::LineEnds::Crlf && utilities::hasOnlyLfLineEnds(bytes))
    events_.lineEndsWarning(projectText_);
  if (!trap.step(3, [&] {
        masSourceFiles_.assign(1, std::string());
        entries_.clear();
        startsWithSubMain_ = false;
      }))
    return 0;
  const utilities::HeldPath folder = projectFolder();
  if (!trap.step(5, [&] { lineCount = vb::CInt(static_cast<std::int64_t>(lines.size()) - 1); })) return 0;
  for (std::int32_t i = 1; i <= lineCount; ++i) {
    std::string line(lines[static_cast<std::size_t>(i)]);
    startsWithSubMain_ = startsWithSubMain_ || isSubMainStartup(line);
    CodeEntry entry;
    if (isDeclaringEntry(line)) {
      entry.declaring = true;
      entry.isForm = vb::Left(line, 4) == "Form";
      if (!trap.step(6, [&] { line = declaringEntryPath(line); })) return 0;
    } else if (std::optional<std::string> path = searchedEntryPath(line)) {
      line = std::move(*path);
    } else {
      continue;
    }
    entry.hasDrive = vb::InStr(line, ":") != 0;
    entry.file = entry.hasDrive ? utilities::HeldPath(std::move(line))
                                : utilities::HeldPath(folder.native, folder.written + line);
    entry.path = utilities::pathText(entry.file);
    if (entry.declaring) masSourceFiles_.push_back(entry.path);
    entries_.push_back(std::move(entry));
  }
  std::int16_t count = 0;
  trap.step(7, [&] { count = vb::CInt(utilities::upperBound(masSourceFiles_)); });
  return count;
}

}  // namespace engine
