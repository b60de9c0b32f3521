#include "engine/declaring_file.h"

#include <algorithm>
#include <array>

namespace engine {

namespace {

constexpr std::array<DeclarationKind, 5> kKindsWithBody = {DeclarationKind::Sub, DeclarationKind::Function,
                                                           DeclarationKind::Property, DeclarationKind::Enum,
                                                           DeclarationKind::Type};

class DeclarationReader {
 public:
  DeclarationReader(DeclaringFile& file, bool isForm) : file_(file), inDesigner_(isForm) {}

  void statement(const std::vector<Token>& tokens, std::string_view firstLine, std::int32_t first,
                 std::int32_t last) {
    if (tokens.empty()) return;
    if (!started_) {
      started_ = true;
      inDesigner_ = inDesigner_ && tokens.front().is("VERSION");
    }
    if (inDesigner_) {
      designerStatement(tokens);
      return;
    }
    if (tokens.front().is("End") && tokens.size() > 1) endStatement(tokens[1], first);
    else if (openEnum_ != kNone && isName(tokens.front())) file_.declarations[openEnum_].enumMembers.push_back(tokens.front().text);
    noteWithEvents(tokens);
    std::optional<DeclarationSyntax> syntax = parseDeclarations(tokens);
    if (!syntax) return;
    const bool isEnum = syntax->kind == DeclarationKind::Enum;
    file_.declarations.push_back(PublicDeclaration{firstLine, first, last, last, std::move(*syntax), {}});
    if (isEnum) openEnum_ = file_.declarations.size() - 1;
  }

  // Whether a line that begins a statement can matter here; the others need
  // no tokens, only their line end. An "End" line is taken in at once.
  bool needsTokens(std::string_view line, std::int32_t number) {
    if (inDesigner_ || openEnum_ != kNone || line.find(':') != std::string_view::npos) return true;
    std::size_t at = skipBlanks(line, 0);
    // Most lines are ruled out by their first letter.
    const unsigned char first = at < line.size() ? foldByte(static_cast<unsigned char>(line[at])) : 0;
    if (first != 'p' && first != 'e' && first != 'd' && first != 'g') return false;
    const std::string_view word = nameAt(line, at);
    // Compared without regard to case, as VB6 keywords are.
    if (sameName(word, "public")) return true;
    if (sameName(word, "end")) {
      const std::string_view second = nameAt(line, skipBlanks(line, at + word.size()));
      if (!second.empty()) endStatement(Token{TokenKind::Name, second}, number);
      return false;
    }
    // A Dim, Private or Global line matters only for a WithEvents variable.
    return (sameName(word, "private") || sameName(word, "dim") || sameName(word, "global")) &&
           containsWithEvents(line);
  }

  // Each body ends at the first "End <word>" of its kind after it.
  void closeBodies(std::int32_t lineCount) {
    for (PublicDeclaration& declaration : file_.declarations) {
      const std::string_view word = bodyEndWord(declaration.syntax.kind);
      if (word.empty()) continue;
      const std::vector<std::int32_t>& ends = endLines_[kindSlot(declaration.syntax.kind)];
      const auto after = std::upper_bound(ends.begin(), ends.end(), declaration.lastLine);
      declaration.bodyEnd = after == ends.end() ? lineCount : *after;
    }
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  static std::size_t kindSlot(DeclarationKind kind) {
    return static_cast<std::size_t>(std::find(kKindsWithBody.begin(), kKindsWithBody.end(), kind) -
                                    kKindsWithBody.begin());
  }

  static std::size_t skipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && detail::isBlank(static_cast<unsigned char>(line[at]))) ++at;
    return at;
  }

  static std::string_view nameAt(std::string_view line, std::size_t at) {
    std::size_t end = at;
    while (end < line.size() && isNameByte(static_cast<unsigned char>(line[end]))) ++end;
    return line.substr(at, end - at);
  }

  static bool containsWithEvents(std::string_view line) {
    constexpr std::string_view kWord = "withevents";
    for (std::size_t at = 0; at + kWord.size() <= line.size(); ++at)
      if (foldByte(static_cast<unsigned char>(line[at])) == 'w' && sameName(line.substr(at, kWord.size()), kWord))
        return true;
    return false;
  }

  void designerStatement(const std::vector<Token>& tokens) {
    if (tokens.front().is("Attribute")) {
      inDesigner_ = false;
      return;
    }
    if (!tokens.front().is("Begin")) return;
    const auto named = std::find_if(tokens.rbegin(), tokens.rend(), [](const Token& t) { return isName(t); });
    if (named != tokens.rend() && named != tokens.rend() - 1) file_.eventSources.push_back(named->text);
  }

  void endStatement(const Token& word, std::int32_t line) {
    for (const DeclarationKind kind : kKindsWithBody)
      if (word.is(bodyEndWord(kind))) endLines_[kindSlot(kind)].push_back(line);
    if (word.is("Enum")) openEnum_ = kNone;
  }

  void noteWithEvents(const std::vector<Token>& tokens) {
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
      if (tokens[i].is("WithEvents") && isName(tokens[i + 1])) file_.eventSources.push_back(tokens[i + 1].text);
  }

  DeclaringFile& file_;
  bool inDesigner_;
  bool started_ = false;
  std::size_t openEnum_ = kNone;
  std::array<std::vector<std::int32_t>, kKindsWithBody.size()> endLines_;
};

}  // namespace

void readDeclarations(DeclaringFile& file, utilities::LineEnds ends, bool isForm) {
  DeclarationReader reader(file, isForm);
  LexState state;
  std::vector<Token> statement;
  std::string_view firstLine;
  std::int32_t first = 0;
  std::int32_t count = 0;
  forEachLine(file.content, ends, [&](std::string_view line, std::int32_t number) {
    count = number;
    if (state.commentGoesOn) {
      lexLine(line, state, statement);
      return;
    }
    if (!state.statementGoesOn) {
      if (!detail::endsInContinuation(line) && !reader.needsTokens(line, number)) return;
      statement.clear();
      firstLine = line;
      first = number;
    }
    lexLine(line, state, statement);
    if (!state.statementGoesOn) reader.statement(statement, firstLine, first, number);
  });
  if (state.statementGoesOn) reader.statement(statement, firstLine, first, count);
  reader.closeBodies(count);
  file.lineCount = count;
}

}  // namespace engine
