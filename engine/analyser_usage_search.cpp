// Analyser's usage search: is a declared name used in one file of the project?
#include "diagnostics/error_trap.h"
#include "engine/analyser.h"
#include "engine/source_scanner.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"

namespace engine {

namespace {
// The line at which the body of the procedure declared at line `from` ends:
// the next line holding the terminator, or the last line.
std::int32_t endOfBody(const utilities::LineViews& lines, std::int32_t from, std::int32_t last,
                       std::string_view terminator) {
  std::int32_t at = from;
  while (at < last) {
    ++at;
    if (vb::InStr(lines[static_cast<std::size_t>(at)], terminator) > 0) break;
  }
  return at;
}
}  // namespace

bool Analyser::mbPublicInFile(const std::string& sDeclaration, const std::string& sFile, bool bOtherFile,
                              bool& bError) {
  bool found = false;
  diagnostics::ErrorTrap trap{"frmScopster", "mbPublicInFile", bError};
  if (!trap.step(1, [&] {
        if (!view_.stopRequested()) view_.setSearchFileCaption(sFile);
      }))
    return found;
  std::string name;
  if (!trap.step(2, [&] { name = nameOf(sDeclaration, bError); })) return found;
  if (bError) return false;
  if (!trap.step(3, [&] {
        SourceCache::File& file = cache_.file(sFile);
        found = bOtherFile ? searchOtherFile(file, name, bError)
                           : searchDeclaringFile(sDeclaration, file, name, bError);
      }))
    return found;
  if (bOtherFile && !bError) trap.step(4, [&] { mShowProgress(bError); });
  return found;
}

std::string Analyser::nameOf(const std::string& declaration, bool& bError) {
  if (declaration != namedDeclaration_ || namedDeclaration_.empty()) {
    declarationName_ = msGetPublicNameOnly(declaration, bError);
    namedDeclaration_ = bError ? std::string() : declaration;
  }
  return declarationName_;
}

bool Analyser::searchOtherFile(SourceCache::File& file, const std::string& name, bool& bError) {
  const utilities::LineViews& lines = file.lines;
  bool found = false;
  cache_.forEachLineContaining(file, name, [&](std::int32_t number) {
    found = mbLiteralRemStripCheck(std::string(lines[static_cast<std::size_t>(number)]), name, bError);
    return !(bError || found);
  });
  return found;
}

// The declaration line and the body of the declared Sub or Function are not
// uses: a procedure that only calls itself is unused.
bool Analyser::searchDeclaringFile(const std::string& declaration, SourceCache::File& file,
                                   const std::string& name, bool& bError) {
  const utilities::LineViews& lines = file.lines;
  // Any length is searched whole; the line numbers only need 32 bits.
  const std::int32_t last = vb::CLng(static_cast<std::int64_t>(lines.size()) - 1);
  bool found = false;
  std::int32_t skippedThrough = 0;
  // Every line equal to the declaration contains the name (the name is cut
  // out of it), so walking the lines that contain the name sees them all.
  cache_.forEachLineContaining(file, name, [&](std::int32_t number) {
    if (number <= skippedThrough) return true;
    const std::string_view line = lines[static_cast<std::size_t>(number)];
    if (line == declaration) {
      skippedThrough = number;
      if (vb::InStr(line, "Sub") > 0) skippedThrough = endOfBody(lines, number, last, "End Sub");
      else if (vb::InStr(line, "Function") > 0) skippedThrough = endOfBody(lines, number, last, "End Function");
      return true;
    }
    found = mbLiteralRemStripCheck(std::string(line), name, bError);
    return !(bError || found);
  });
  return found;
}

}  // namespace engine
