#include "engine/source_scanner.h"

#include <cstdint>

#include "diagnostics/error_trap.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"

namespace engine {

namespace {
constexpr std::string_view kObject = "frmScopster";

// The name up to the first "(" at or after start, when there is one.
bool cutToParenthesis(std::string_view line, std::int64_t start, std::string& name) {
  const std::int64_t paren = vb::InStr(start, line, "(");
  if (paren == 0) return false;
  name = vb::Mid(line, start, paren - start);
  return true;
}

// Removes every pair of double quotes with the text between them. A quote
// without a partner removes itself and the rest of the line: it opens a
// literal that never ends. Positions are 16-bit, as the line is rewritten
// pair by pair: a quote whose position in the shrinking line passes 32,767
// raises Overflow, leaving `line` as far as it was stripped.
void stripLiterals(std::string& line) {
  std::string kept;
  std::size_t from = 0;
  for (;;) {
    const std::size_t open = line.find('"', from);
    if (open == std::string::npos) break;
    kept.append(line, from, open - from);
    const std::size_t close = line.find('"', open + 1);
    const auto shrunkPosition = [&](std::size_t at) {
      return static_cast<std::int64_t>(kept.size() + (at - open)) + 1;
    };
    try {
      vb::CInt(shrunkPosition(open));
      if (close != std::string::npos) vb::CInt(shrunkPosition(close));
    } catch (...) {
      line = kept + line.substr(open);
      throw;
    }
    if (close == std::string::npos) {
      from = line.size();
      break;
    }
    from = close + 1;
  }
  kept.append(line, from, std::string::npos);
  line = std::move(kept);
}

void stripApostropheComment(std::string& line) {
  const std::size_t quote = line.find('\'');
  if (quote != std::string::npos) line.erase(quote);
}

void stripRemComment(std::string& line) {
  const std::int16_t rem = vb::CInt(vb::InStr(line, "Rem"));
  if (rem == 1) {
    line.clear();
  } else if (rem > 1 && line[static_cast<std::size_t>(rem - 2)] == ' ') {
    line.erase(static_cast<std::size_t>(rem - 2));
  }
}
}  // namespace

bool isPublicDeclaration(std::string_view line) { return line.substr(0, 6) == "Public"; }

std::string publicNameOf(std::string_view declaration) {
  std::string name;
  if (vb::Mid(declaration, 8, 3) == "Sub" && cutToParenthesis(declaration, 12, name)) return name;
  if (vb::Mid(declaration, 8, 8) == "Function" && cutToParenthesis(declaration, 17, name)) return name;
  const std::int64_t blank = vb::InStr(8, declaration, " ");
  return std::string(blank == 0 ? vb::Mid(declaration, 8) : vb::Mid(declaration, 8, blank - 8));
}

std::string msGetPublicNameOnly(const std::string& sDeclaration, bool& bError) {
  std::string name;
  diagnostics::ErrorTrap trap{kObject, "msGetPublicNameOnly", bError};
  trap.step(1, [&] { name = publicNameOf(sDeclaration); });
  return name;
}

bool mbLiteralRemStripCheck(std::string sLine, std::string sName, bool& bError) {
  bool found = false;
  diagnostics::ErrorTrap trap{kObject, "mbLiteralRemStripCheck", bError};
  if (!trap.step(1, [&] { stripLiterals(sLine); })) return found;
  if (!trap.step(2, [&] { stripApostropheComment(sLine); })) return found;
  if (!trap.step(3, [&] { stripRemComment(sLine); })) return found;
  trap.step(4, [&] { found = vb::InStr(sLine, sName) > 0; });
  return found;
}

}  // namespace engine
