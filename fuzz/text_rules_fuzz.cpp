// Feeds arbitrary bytes to the line reader, the name cutter, the stripper and
// the name index, and stops on the first answer that differs from the plain
// reading in plain_rules.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "diagnostics/error_handler.h"
#include "engine/name_matcher.h"
#include "engine/source_scanner.h"
#include "fuzz/plain_rules.h"
#include "utilities/line_reader.h"

namespace {

void require(bool holds) {
  if (!holds) std::abort();
}

void checkLineReader(std::string_view bytes, std::vector<std::string>& lines) {
  std::string header = "unchanged";
  std::string plainHeader = "unchanged";
  utilities::splitFileLines(bytes, lines, header);
  require(lines == plain::fileLines(bytes, plainHeader));
  require(header == plainHeader);
}

void checkNameCutterAndStripper(const std::vector<std::string>& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    require(engine::publicNameOf(line) == plain::publicName(line));
    if (line.size() > 30000) continue;  // longer lines may overflow 16-bit positions
    const std::string name = i + 1 < lines.size() ? lines[i + 1].substr(0, 3) : std::string("Rem");
    if (name.empty()) continue;
    bool bError = false;
    require(engine::mbLiteralRemStripCheck(line, name, bError) == plain::contains(plain::stripped(line), name));
    require(!bError);
  }
}

// The names are the identifier runs of the first lines; every line is a text.
void checkNameIndex(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i < lines.size() && names.size() < 64; ++i) {
    std::string run;
    for (const char c : lines[i] + " ") {
      if (engine::isIdentifierByte(static_cast<unsigned char>(c))) run += c;
      else if (!run.empty()) names.push_back(std::exchange(run, std::string()));
    }
  }
  for (std::size_t i = 0; i < names.size() && i < 8; ++i) names.push_back(names[i].substr(names[i].size() / 2));
  const engine::NameMatcher matcher(names);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::set<std::uint32_t> visited;
    std::string run;
    for (const char c : lines[i] + " ") {
      if (engine::isIdentifierByte(static_cast<unsigned char>(c))) {
        run += c;
        continue;
      }
      matcher.scan(run, [&](std::uint32_t state) { visited.insert(state); });
      run.clear();
    }
    for (const std::string& name : names) {
      if (name.empty()) continue;
      const auto id = matcher.idOf(name);
      require(id >= 0);
      const auto range = matcher.rangeOf(static_cast<std::uint32_t>(id));
      const bool found = visited.lower_bound(range.first) != visited.end() && *visited.lower_bound(range.first) < range.last;
      require(found == plain::contains(lines[i], name));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    diagnostics::ErrorHandlerSetup setup;  // no dialogs: an error would print and abort the check
    diagnostics::installErrorHandler(setup);
    return true;
  }();
  (void)quiet;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines;
  checkLineReader(bytes, lines);
  checkNameCutterAndStripper(lines);
  checkNameIndex(lines);
  return 0;
}
