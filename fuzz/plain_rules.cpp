#include "fuzz/plain_rules.h"

namespace plain {

namespace {
std::vector<std::string> rawLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r') {
      line += bytes[i];
      continue;
    }
    lines.push_back(line);
    line.clear();
    if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool startsWith(const std::string& s, std::string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }
}  // namespace

std::vector<std::string> fileLines(std::string_view bytes, std::string& header) {
  const std::vector<std::string> raw = rawLines(bytes);
  std::vector<std::string> kept{std::string()};
  for (std::size_t i = 0; i < raw.size(); ++i) {
    std::string line = raw[i];
    if (i == 0) {
      if (startsWith(line, ".")) header = line.substr(1);
      else kept.push_back(line);
      continue;
    }
    if (line.empty()) line = " ";
    if (startsWith(line, "..")) kept.push_back(line.substr(1));
    else if (!startsWith(line, ".")) kept.push_back(line);
  }
  return kept;
}

std::string publicName(const std::string& declaration) {
  const auto cutAtParenthesis = [&](std::size_t from, std::string& name) {
    const std::size_t paren = declaration.find('(', from);
    if (paren == std::string::npos) return false;
    name = declaration.substr(from, paren - from);
    return true;
  };
  const auto mid = [&](std::size_t at, std::size_t length) {
    return at < declaration.size() ? declaration.substr(at, length) : std::string();
  };
  std::string name;
  if (mid(7, 3) == "Sub" && cutAtParenthesis(11, name)) return name;
  if (mid(7, 8) == "Function" && cutAtParenthesis(16, name)) return name;
  if (declaration.size() <= 7) return "";
  const std::size_t blank = declaration.find(' ', 7);
  return declaration.substr(7, blank == std::string::npos ? std::string::npos : blank - 7);
}

std::string stripped(const std::string& line) {
  std::string out;
  bool inLiteral = false;
  for (const char c : line) {
    if (c == '"') inLiteral = !inLiteral;
    else if (!inLiteral) out += c;
  }
  out = out.substr(0, out.find('\''));
  const std::size_t rem = out.find("Rem");
  if (rem == 0) return "";
  if (rem != std::string::npos && out[rem - 1] == ' ') out.erase(rem - 1);
  return out;
}

bool contains(std::string_view text, std::string_view name) {
  return !text.empty() && text.find(name) != std::string_view::npos;
}

}  // namespace plain
