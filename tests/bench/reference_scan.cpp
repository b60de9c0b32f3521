#include "tests/bench/reference_scan.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace reference {
namespace {

using Lines = std::vector<std::string>;

// Lines end at CR (an LF right after it belongs to the terminator).
Lines splitAtCarriageReturns(const std::string& bytes) {
  Lines lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\r', start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

// The line reader's dot convention: a first line starting with "." is a
// header; later lines starting with a single "." are dropped, ".." loses a dot.
Lines readLines(const std::filesystem::path& file) {
  const Lines raw = splitAtCarriageReturns(test_support::readFile(file));
  Lines kept;
  if (!raw.empty() && (raw[0].empty() || raw[0][0] != '.')) kept.push_back(raw[0]);
  for (std::size_t i = 1; i < raw.size(); ++i) {
    const std::string& line = raw[i];
    if (line.empty()) kept.emplace_back(" ");
    else if (line.rfind("..", 0) == 0) kept.push_back(line.substr(1));
    else if (line[0] != '.') kept.push_back(line);
  }
  return kept;
}

std::vector<std::filesystem::path> sourceFiles(const std::filesystem::path& projectFile) {
  std::vector<std::filesystem::path> files;
  for (const auto& line : readLines(projectFile)) {
    if (line.rfind("Form", 0) == 0) files.push_back(projectFile.parent_path() / line.substr(5));
    else if (line.rfind("Module", 0) == 0) files.push_back(projectFile.parent_path() / line.substr(line.find(';') + 2));
  }
  return files;
}

std::string cutBetween(const std::string& line, std::size_t from, char stop) {
  const std::size_t end = line.find(stop, from);
  if (end == std::string::npos) throw std::runtime_error("no name in: " + line);
  return line.substr(from, end - from);
}

std::string declaredName(const std::string& line) {
  if (line.compare(7, 3, "Sub") == 0) return cutBetween(line, 11, '(');
  if (line.compare(7, 8, "Function") == 0) return cutBetween(line, 16, '(');
  return cutBetween(line, 7, ' ');
}

bool nameInCode(std::string line, const std::string& name) {
  for (std::size_t open = line.find('"'); open != std::string::npos; open = line.find('"')) {
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string::npos) break;
    line.erase(open, close - open + 1);
  }
  line = line.substr(0, line.find('\''));
  const std::size_t rem = line.find("Rem");
  if (rem == 0) line.clear();
  else if (rem != std::string::npos && line[rem - 1] == ' ') line.erase(rem - 1);
  return line.find(name) != std::string::npos;
}

bool usedIn(const Lines& lines, const std::string& name) {
  for (const auto& line : lines)
    if (line.find(name) != std::string::npos && nameInCode(line, name)) return true;
  return false;
}

// The declaration line and, for a Sub or Function, its body up to the
// terminator do not count.
bool usedInOwnFile(const Lines& lines, const std::string& declaration, const std::string& name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == declaration) {
      const bool isSub = declaration.find("Sub") != std::string::npos;
      if (!isSub && declaration.find("Function") == std::string::npos) continue;
      const std::string terminator = isSub ? "End Sub" : "End Function";
      while (i + 1 < lines.size()) {
        ++i;
        if (lines[i].find(terminator) != std::string::npos) break;
      }
    } else if (lines[i].find(name) != std::string::npos && nameInCode(lines[i], name)) {
      return true;
    }
  }
  return false;
}

}  // namespace

Verdicts scanProject(const std::filesystem::path& projectFile) {
  std::vector<Lines> files;
  for (const auto& path : sourceFiles(projectFile)) files.push_back(readLines(path));
  Verdicts verdicts;
  for (std::size_t own = 0; own < files.size(); ++own) {
    for (const auto& line : files[own]) {
      if (line.rfind("Public", 0) != 0) continue;
      const std::string name = declaredName(line);
      bool found = false;
      for (std::size_t other = 0; other < files.size() && !found; ++other)
        found = other != own && usedIn(files[other], name);
      if (found) continue;
      ++(usedInOwnFile(files[own], line, name) ? verdicts.privates : verdicts.unused);
    }
  }
  return verdicts;
}

}  // namespace reference
