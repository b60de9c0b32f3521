// Analyser's project file reader: the form and module entries of a .vbp file.
#include <string_view>

#include "diagnostics/error_trap.h"
#include "engine/analyser.h"
#include "engine/source_scanner.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"
#include "utilities/file_exists.h"
#include "utilities/line_reader.h"

namespace engine {

namespace {
constexpr std::size_t kMaxProjectLines = 32767;  // the line loop counts in 16 bits

// The project folder: the path up to and including its last "\" or "/".
std::string projectFolder(const std::string& projectPath) {
  const std::size_t cut = projectPath.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : projectPath.substr(0, cut + 1);
}

bool isSourceEntry(std::string_view line) {
  return vb::Left(line, 4) == "Form" || vb::Left(line, 6) == "Module";
}

// "Form=x.frm" -> "x.frm"; "Module=modA; modA.bas" -> "modA.bas".
std::string entryPath(const std::string& line) {
  const std::int64_t length = vb::Len(line);
  if (vb::Left(line, 4) == "Form") return std::string(vb::Right(line, length - 5));
  return std::string(vb::Right(line, length - vb::InStr(line, ";") - 1));
}
}  // namespace

std::int16_t Analyser::mnGetSourceFiles(bool& bError) {
  diagnostics::ErrorTrap trap{"frmScopster", "mnGetSourceFiles", bError};
  const std::string project = view_.sourceText();
  bool exists = false;
  if (!trap.step(1, [&] { exists = utilities::gbFileExists(project, bError); })) return 0;
  if (bError || !exists) {
    view_.appendLine("File does not exist");
    summary_.projectMissing = true;
    return 0;
  }
  std::string bytes;
  utilities::LineViews lines{std::string_view()};
  std::int16_t lineCount = 0;
  bool onlyLfLineEnds = false;
  if (!trap.step(2, [&] {
        std::string header;
        bytes = utilities::readFileBytes(project).value_or(std::string());
        // One line past the 16-bit count is enough to overflow it below.
        utilities::splitFirstFileLineViews(bytes, lines, header, kMaxProjectLines + 1, lineEnds_);
        onlyLfLineEnds = lineEnds_ == utilities::LineEnds::Crlf && utilities::hasOnlyLfLineEnds(bytes);
      }))
    return 0;
  if (onlyLfLineEnds) view_.warnLineEnds(project);
  if (!trap.step(3, [&] { masSourceFiles_.assign(1, std::string()); })) return 0;
  const std::string folder = projectFolder(project);
  if (!trap.step(5, [&] { lineCount = vb::CInt(static_cast<std::int64_t>(lines.size()) - 1); })) return 0;
  for (std::int32_t i = 1; i <= lineCount; ++i) {
    std::string line(lines[static_cast<std::size_t>(i)]);
    if (!isSourceEntry(line)) continue;
    masSourceFiles_.emplace_back();
    if (!trap.step(6, [&] { line = entryPath(line); })) return 0;
    if (vb::InStr(line, ":") == 0) line = folder + line;
    masSourceFiles_.back() = std::move(line);
  }
  std::int16_t count = 0;
  trap.step(7, [&] { count = vb::CInt(utilities::upperBound(masSourceFiles_)); });
  return count;
}

void Analyser::mShowSourceGetPublics(std::string sFile, utilities::LineList& asPublics, bool& bError) {
  diagnostics::ErrorTrap trap{"frmScopster", "mShowSourceGetPublics", bError};
  bool exists = false;
  if (!trap.step(1, [&] { exists = utilities::gbFileExists(sFile, bError); })) return;
  if (bError || !exists) {
    view_.appendLine("Can't find file '" + sFile + "'");
    summary_.missingSourceFile = sFile;
    bError = true;
    return;
  }
  // An ignored read failure leaves the file without lines.
  static const SourceCache::File kNoFile = [] {
    SourceCache::File none;
    none.lines.assign(1, std::string_view());
    return none;
  }();
  const SourceCache::File* file = &kNoFile;
  if (!trap.step(2, [&] { file = &cache_.file(sFile); })) return;
  utilities::LineNumbers numbers(file->content, lineEnds_);
  publicLineNumbers_.assign(asPublics.size(), 0);
  // Modules reach 65,534 lines: the whole file is scanned, not the first
  // 32,767 lines a 16-bit counter could reach.
  for (std::size_t i = 1; i < file->lines.size(); ++i) {
    const std::string_view line = file->lines[i];
    if (!isPublicDeclaration(line)) continue;
    asPublics.emplace_back(line);
    // A "Public" line is never a stand-in text: it lies in the file's bytes.
    publicLineNumbers_.push_back(numbers.at(static_cast<std::size_t>(line.data() - file->content.data())));
  }
}

}  // namespace engine
