#include "tests/engine/plain_reading.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "runtime/codepage.h"
#include "utilities/file_exists.h"
#include "utilities/vb_path.h"

namespace plain_reading {

namespace {

using utilities::LineEnds;

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool isLetter(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return true;
  if (b >= 0xC0) return b != 0xD7 && b != 0xF7;
  return std::string_view("\x83\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA").find(c) != std::string_view::npos;
}

bool isNameChar(char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '_'; }

char lower(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
  if (b == 0x9F) return '\xFF';
  return c;
}

bool same(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// " _" at the end, trailing blanks aside. A statement may also go on from a
// line that is "_" alone; a comment cannot (it holds at least its mark).
bool endsInMark(std::string_view text, bool lineStartIsBlank = false) {
  std::size_t end = text.size();
  while (end > 0 && isBlank(text[end - 1])) --end;
  return end > 0 && text[end - 1] == '_' && (end == 1 ? lineStartIsBlank : isBlank(text[end - 2]));
}

bool isKeyword(const Word& word, std::string_view keyword) {
  return word.kind == Word::Name && !word.bracketed && same(word.text, keyword);
}

bool isName(const Word& word) {
  return word.kind == Word::Name && !word.text.empty() && (word.bracketed || isLetter(word.text[0]));
}

// A Rem begins a comment where a statement begins: first on a fresh line, or
// after a ":" that is not part of ":=".
bool atStatementStart(const std::vector<Word>& words, bool continued) {
  if (words.empty()) return !continued;
  return words.back().kind == Word::Symbol && words.back().text == ":";
}

enum class Kind { Sub, Function, Property, Declare, Enum, Type, Event, Const, Variables };

struct Parsed {
  Kind kind = Kind::Variables;
  std::vector<std::string> names;
  std::vector<std::string> withEvents;
};

struct Statement {
  int first = 0;
  int last = 0;
  std::vector<Word> words;
};

struct SourceFile {
  std::vector<std::string> lines;
  std::vector<std::vector<std::string>> identifiers;  // by line, from 0
  std::vector<Statement> statements;
};

struct Declaration {
  int line = 0;
  int last = 0;
  int bodyEnd = 0;
  Parsed parsed;
  std::vector<std::string> members;  // of an Enum
};

struct DeclaringFile {
  std::vector<Declaration> declarations;
  std::vector<std::string> eventSources;  // controls, menus, WithEvents variables
};

struct Entry {
  std::string path;
  bool declaring = false;
  bool form = false;
};

struct Project {
  std::vector<Entry> entries;
  bool subMain = false;
};

// Items split at the commas outside parentheses; the first name of each.
Parsed parseList(const std::vector<Word>& words, std::size_t at, Kind kind) {
  Parsed parsed{kind, {}, {}};
  bool itemStart = true;
  bool withEvents = false;
  int depth = 0;
  for (; at < words.size(); ++at) {
    const Word& word = words[at];
    if (itemStart && kind == Kind::Variables && !withEvents && isKeyword(word, "WithEvents")) {
      withEvents = true;
      continue;
    }
    if (itemStart && isName(word)) {
      parsed.names.push_back(word.text);
      if (withEvents) parsed.withEvents.push_back(word.text);
    }
    itemStart = false;
    if (word.kind != Word::Symbol) continue;
    if (word.text == "(") ++depth;
    if (word.text == ")" && depth > 0) --depth;
    if (word.text == "," && depth == 0) itemStart = true, withEvents = false;
  }
  return parsed;
}

Parsed parse(const std::vector<Word>& words) {
  std::size_t at = 0;
  const auto next = [&](std::string_view keyword) {
    const bool found = at < words.size() && isKeyword(words[at], keyword);
    at += found ? 1 : 0;
    return found;
  };
  const auto single = [&](Kind kind) {
    Parsed parsed{kind, {}, {}};
    if (at < words.size() && isName(words[at])) parsed.names.push_back(words[at].text);
    return parsed;
  };
  if (!next("Public")) return {};
  const bool isStatic = next("Static");
  if (next("Sub")) return single(Kind::Sub);
  if (next("Function")) return single(Kind::Function);
  if (isStatic) return {};
  if (next("Property")) return next("Get") || next("Let") || next("Set") ? single(Kind::Property) : Parsed{};
  if (next("Declare")) {
    next("PtrSafe");
    return next("Sub") || next("Function") ? single(Kind::Declare) : Parsed{};
  }
  if (next("Enum")) return single(Kind::Enum);
  if (next("Type")) return single(Kind::Type);
  if (next("Event")) return single(Kind::Event);
  if (next("Const")) return parseList(words, at, Kind::Const);
  return parseList(words, at, Kind::Variables);
}

bool isSeparator(const Word& word) { return word.kind == Word::Symbol && word.text == ":"; }

// A line may hold several statements apart from ":"; it declares the names of
// all its Public ones, and takes its kind from the first.
Parsed parseLine(const std::vector<Word>& words) {
  Parsed line;
  auto from = words.begin();
  while (from != words.end()) {
    const auto to = std::find_if(from, words.end(), isSeparator);
    const Parsed parsed = parse(std::vector<Word>(from, to));
    if (line.names.empty()) line.kind = parsed.kind;
    line.names.insert(line.names.end(), parsed.names.begin(), parsed.names.end());
    line.withEvents.insert(line.withEvents.end(), parsed.withEvents.begin(), parsed.withEvents.end());
    from = to == words.end() ? to : to + 1;
  }
  return line;
}

SourceFile readSource(std::string_view bytes, LineEnds ends) {
  SourceFile file;
  file.lines = splitLines(bytes, ends);
  LineState state;
  std::optional<Statement> open;
  for (int number = 1; number <= static_cast<int>(file.lines.size()); ++number) {
    const bool commentOnly = state.inComment;
    std::vector<Word> words = codeWords(file.lines[static_cast<std::size_t>(number - 1)], state);
    file.identifiers.emplace_back();
    for (const Word& word : words)
      if (word.kind == Word::Name) file.identifiers.back().push_back(word.text);
    if (commentOnly) continue;
    if (!open) open = Statement{number, number, {}};
    open->last = number;
    open->words.insert(open->words.end(), words.begin(), words.end());
    if (state.continued) continue;
    if (!open->words.empty()) file.statements.push_back(*open);
    open.reset();
  }
  if (open && !open->words.empty()) file.statements.push_back(*open);
  return file;
}

std::string_view endWord(Kind kind) {
  switch (kind) {
    case Kind::Sub: return "Sub";
    case Kind::Function: return "Function";
    case Kind::Property: return "Property";
    case Kind::Enum: return "Enum";
    case Kind::Type: return "Type";
    default: return {};
  }
}

DeclaringFile readDeclarations(const SourceFile& source, bool form) {
  DeclaringFile file;
  std::vector<std::pair<std::string, int>> endLines;  // "Sub" and the line of its End Sub
  bool designer = form && !source.statements.empty() && isKeyword(source.statements[0].words[0], "VERSION");
  std::optional<std::size_t> openEnum;
  for (const Statement& statement : source.statements) {
    const std::vector<Word>& words = statement.words;
    if (designer) {
      designer = !isKeyword(words[0], "Attribute");
      if (!isKeyword(words[0], "Begin")) continue;
      for (std::size_t i = words.size() - 1; i > 0; --i)
        if (isName(words[i])) {
          file.eventSources.push_back(words[i].text);
          break;
        }
      continue;
    }
    if (isKeyword(words[0], "End") && words.size() > 1) {
      if (words[1].kind == Word::Name && !words[1].bracketed) endLines.emplace_back(words[1].text, statement.first);
      if (isKeyword(words[1], "Enum")) openEnum.reset();
    } else if (openEnum && isName(words[0])) {
      file.declarations[*openEnum].members.push_back(words[0].text);
    }
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
      if (isKeyword(words[i], "WithEvents") && isName(words[i + 1])) file.eventSources.push_back(words[i + 1].text);
    Parsed parsed = parseLine(words);
    if (parsed.names.empty()) continue;
    file.declarations.push_back({statement.first, statement.last, statement.last, std::move(parsed), {}});
    if (file.declarations.back().parsed.kind == Kind::Enum) openEnum = file.declarations.size() - 1;
  }
  for (Declaration& declaration : file.declarations) {
    const std::string_view word = endWord(declaration.parsed.kind);
    if (word.empty()) continue;
    declaration.bodyEnd = static_cast<int>(source.lines.size());
    for (const auto& [endOf, line] : endLines)
      if (line > declaration.last && same(endOf, word)) {
        declaration.bodyEnd = line;
        break;
      }
  }
  return file;
}

// True when an identifier of file, on a line outside skipFrom..skipTo, passes test.
template <typename Test>
bool anyIdentifier(const SourceFile& file, int skipFrom, int skipTo, Test&& test) {
  for (std::size_t i = 0; i < file.identifiers.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    if (line >= skipFrom && line <= skipTo) continue;
    for (const std::string& identifier : file.identifiers[i])
      if (test(identifier)) return true;
  }
  return false;
}

bool handlerOf(std::string_view identifier, std::string_view name) {
  return identifier.size() > name.size() && identifier[name.size()] == '_' &&
         same(identifier.substr(0, name.size()), name);
}

bool handledBy(std::string_view identifier, std::string_view name) {
  return identifier.size() > name.size() && identifier[identifier.size() - name.size() - 1] == '_' &&
         same(identifier.substr(identifier.size() - name.size()), name);
}

bool isEventHandler(const Declaration& declaration, const DeclaringFile& file) {
  if (declaration.parsed.kind != Kind::Sub) return false;
  const std::string& name = declaration.parsed.names.front();
  for (const std::string_view prefix : {"Form_", "MDIForm_"})
    if (name.size() > prefix.size() && same(std::string_view(name).substr(0, prefix.size()), prefix)) return true;
  for (std::size_t cut = 0; cut < name.size(); ++cut) {
    if (name[cut] != '_') continue;
    for (const std::string& source : file.eventSources)
      if (same(name.substr(0, cut), source)) return true;
  }
  return false;
}

bool usedElsewhere(const Declaration& declaration, const std::vector<const SourceFile*>& others, bool subMain) {
  const Parsed& parsed = declaration.parsed;
  if (subMain && parsed.kind == Kind::Sub && same(parsed.names.front(), "Main")) return true;
  std::vector<std::string> whole = parsed.names;
  whole.insert(whole.end(), declaration.members.begin(), declaration.members.end());
  for (const SourceFile* other : others) {
    for (const std::string& name : whole)
      if (anyIdentifier(*other, 1, 0, [&](const std::string& word) { return same(word, name); })) return true;
    if (parsed.kind != Kind::Event) continue;
    for (const std::string& name : parsed.names)
      if (anyIdentifier(*other, 1, 0, [&](const std::string& word) { return handledBy(word, name); })) return true;
  }
  return false;
}

bool usedInOwnFile(const Declaration& declaration, const SourceFile& source, const DeclaringFile& file, bool form) {
  if (form && isEventHandler(declaration, file)) return true;
  std::vector<std::string> whole = declaration.parsed.names;
  whole.insert(whole.end(), declaration.members.begin(), declaration.members.end());
  for (const std::string& name : whole)
    if (anyIdentifier(source, declaration.line, declaration.bodyEnd,
                      [&](const std::string& word) { return same(word, name); }))
      return true;
  for (const std::string& name : declaration.parsed.withEvents)
    if (anyIdentifier(source, declaration.line, declaration.last,
                      [&](const std::string& word) { return handlerOf(word, name); }))
      return true;
  return false;
}

Project readProject(const std::string& path, LineEnds ends) {
  const std::string folder = path.substr(0, path.find_last_of("\\/") + 1);
  Project project;
  for (const std::string& line : splitLines(utilities::readFileBytes(path).value_or(""), ends)) {
    if (startsWith(line, "Startup=")) {
      std::string value = line.substr(8);
      if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
      project.subMain = project.subMain || same(value, "Sub Main");
    }
    Entry entry;
    std::string listed;
    if (startsWith(line, "Form")) {
      entry.declaring = entry.form = true;
      listed = line.substr(std::min<std::size_t>(5, line.size()));
    } else if (startsWith(line, "Module")) {
      entry.declaring = true;
      const std::size_t semicolon = line.find(';');
      listed = line.substr(std::min(semicolon == std::string::npos ? 1 : semicolon + 2, line.size()));
    } else {
      const std::size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      const std::string key = line.substr(0, equals);
      static const char* const kSearched[] = {"Class", "UserControl", "PropertyPage", "UserDocument", "Designer"};
      if (std::find(std::begin(kSearched), std::end(kSearched), key) == std::end(kSearched)) continue;
      listed = line.substr(equals + 1);
      if (const std::size_t semicolon = listed.find(';'); semicolon != std::string::npos)
        listed = listed.substr(semicolon + 1);
      listed.erase(0, std::min(listed.find_first_not_of(' '), listed.size()));
    }
    entry.path = listed.find(':') != std::string::npos ? listed : folder + listed;
    project.entries.push_back(entry);
  }
  return project;
}

bool fileExists(const std::string& path) {
#ifndef _WIN32
  if (path.find(':') != std::string::npos) return false;  // a drive letter names nothing here
#endif
  bool error = false;
  return utilities::gbFileExists(path, error) && !error;
}

std::filesystem::path identity(const std::string& path) {
  return std::filesystem::weakly_canonical(utilities::nativePath(path));
}

}  // namespace

std::vector<std::string> splitLines(std::string_view bytes, LineEnds ends) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && (c != '\n' || ends == LineEnds::Crlf)) {
      line += c;
      continue;
    }
    lines.push_back(std::move(line));
    line.clear();
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<Word> codeWords(std::string_view line, LineState& state) {
  std::vector<Word> words;
  if (state.inComment) {
    state.inComment = endsInMark(line);
    return words;
  }
  const bool continued = std::exchange(state.continued, false);
  std::size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    std::size_t end = at + 1;
    if (isBlank(c)) {
      ++at;
      continue;
    }
    if (c == '\'') {
      state.inComment = endsInMark(line);
      return words;
    }
    if (c == '"') {
      while (end < line.size() && (line[end] != '"' || (end + 1 < line.size() && line[end + 1] == '"')))
        end += line[end] == '"' ? 2 : 1;
      words.push_back({Word::Literal, std::string(line.substr(at + 1, end - at - 1)), false});
      at = std::min(end + 1, line.size());
      continue;
    }
    const std::size_t close = c == '[' ? line.find(']', at) : std::string_view::npos;
    if (close != std::string_view::npos && close > at + 1) {
      words.push_back({Word::Name, std::string(line.substr(at + 1, close - at - 1)), true});
      at = close + 1;
      continue;
    }
    if (!isNameChar(c)) {
      const bool assignment = c == ':' && at + 1 < line.size() && line[at + 1] == '=';
      words.push_back({Word::Symbol, std::string(line.substr(at, assignment ? 2 : 1)), false});
      at += assignment ? 2 : 1;
      continue;
    }
    while (end < line.size() && isNameChar(line[end])) ++end;
    const std::string_view name = line.substr(at, end - at);
    if (same(name, "Rem") && (end == line.size() || isBlank(line[end])) && atStatementStart(words, continued)) {
      state.inComment = endsInMark(line);
      return words;
    }
    words.push_back({Word::Name, std::string(name), false});
    at = end;
  }
  if (!words.empty() && words.back().kind == Word::Name && words.back().text == "_" && !words.back().bracketed &&
      endsInMark(line, true)) {
    words.pop_back();
    state.continued = true;
  }
  return words;
}

std::vector<std::string> codeFiles(const std::string& project, LineEnds ends) {
  std::vector<std::string> paths;
  for (const Entry& entry : readProject(project, ends).entries) paths.push_back(entry.path);
  return paths;
}

std::vector<std::string> declaredNames(const std::vector<Word>& statement) { return parseLine(statement).names; }

std::vector<std::string> resultList(const std::string& path, LineEnds ends) {
  std::vector<std::string> list{path};
  bool error = false;
  if (!utilities::gbFileExists(path, error) || error) {
    list.emplace_back("File does not exist");
    return list;
  }
  const Project project = readProject(path, ends);
  bool anyDeclaring = false;
  for (const Entry& entry : project.entries) anyDeclaring = anyDeclaring || entry.declaring;
  if (!anyDeclaring) return list;
  for (const Entry& entry : project.entries)
    if (!fileExists(entry.path)) {
      list.push_back("Can't find file '" + vb::cp1252ToUtf8(entry.path) + "'");
      return list;
    }
  // Each file once, under the entry that lists it first.
  std::vector<std::filesystem::path> identities;
  std::vector<const Entry*> firstEntries;
  std::vector<SourceFile> sources;
  for (const Entry& entry : project.entries) {
    const std::filesystem::path id = identity(entry.path);
    if (std::find(identities.begin(), identities.end(), id) != identities.end()) continue;
    identities.push_back(id);
    firstEntries.push_back(&entry);
    sources.push_back(readSource(utilities::readFileBytes(entry.path).value_or(""), ends));
  }
  std::vector<bool> judged(sources.size(), false);
  for (const Entry& entry : project.entries) {
    if (!entry.declaring) continue;
    const auto f = static_cast<std::size_t>(std::find(identities.begin(), identities.end(), identity(entry.path)) -
                                            identities.begin());
    if (judged[f]) continue;
    judged[f] = true;
    std::vector<const SourceFile*> others;
    for (std::size_t g = 0; g < sources.size(); ++g)
      if (g != f) others.push_back(&sources[g]);
    const bool form = firstEntries[f]->form;
    const DeclaringFile file = readDeclarations(sources[f], form);
    for (const Declaration& declaration : file.declarations) {
      if (usedElsewhere(declaration, others, project.subMain)) continue;
      list.push_back("    " + vb::cp1252ToUtf8(firstEntries[f]->path));
      list.push_back("        " + vb::cp1252ToUtf8(sources[f].lines[static_cast<std::size_t>(declaration.line - 1)]));
      list.emplace_back(usedInOwnFile(declaration, sources[f], file, form) ? "        Private" : "        Unused");
      list.emplace_back();
    }
  }
  return list;
}

}  // namespace plain_reading
