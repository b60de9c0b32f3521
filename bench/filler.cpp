#include "bench/filler.h"

#include <array>
#include <numeric>
#include <string_view>

namespace bench {
namespace {

constexpr std::array<std::string_view, 6> kPlainComments = {
    "check the totals before saving", "keeps the old layout working", "values come from the settings form",
    "TODO: tidy this up",             "order matters here",           "the list is 1-based"};
constexpr std::array<std::string_view, 6> kPlainLiterals = {
    "Saving...", "Ready", "Total: ", "Can't open the file", "Rows", "Done"};
constexpr std::array<std::string_view, 6> kPlainStatements = {
    "nTotal = nTotal + nIndex", "nCount = nCount + 1",      "dValue = dValue * 1.5",
    "bReady = (nCount > 0)",    "mnCallCount = mnCallCount + 1", "nResult = nTotal \\ 2"};

std::string indent4(std::string_view text) { return "    " + std::string(text); }
std::string indent8(std::string_view text) { return "        " + std::string(text); }

}  // namespace

std::vector<std::string> FillerWriter::body(const SourceFile& file, const Procedure& procedure) {
  file_ = &file;
  procedure_ = &procedure;
  localNumber_ = 0;
  std::vector<Lines> chunks;
  for (int left = procedure.fillerLines; left > 0;) {
    chunks.push_back(chunk(left));
    left -= static_cast<int>(chunks.back().size());
  }
  for (const auto& line : procedure.required) {
    const auto at = random_.below(static_cast<std::uint32_t>(chunks.size() + 1));
    chunks.insert(chunks.begin() + at, Lines{line});
  }
  Lines lines;
  for (auto& piece : chunks) lines.insert(lines.end(), piece.begin(), piece.end());
  return lines;
}

const std::vector<FillerWriter::ChunkKind>& FillerWriter::chunkKinds() {
  static const std::vector<ChunkKind> kinds = {
      {1, 12, &FillerWriter::comment},   {1, 4, &FillerWriter::remComment},
      {1, 14, &FillerWriter::assignment}, {1, 8, &FillerWriter::textAssignment},
      {1, 6, &FillerWriter::localCall},  {1, 3, &FillerWriter::tempDim},
      {1, 2, &FillerWriter::localConst}, {1, 3, &FillerWriter::trailingRem},
      {1, 2, &FillerWriter::exitCheck},  {1, 3, &FillerWriter::debugPrint},
      {3, 8, &FillerWriter::ifBlock},    {3, 7, &FillerWriter::forLoop},
      {4, 6, &FillerWriter::withBlock},  {5, 4, &FillerWriter::ifElseBlock},
      {3, 3, &FillerWriter::doLoop},     {6, 3, &FillerWriter::selectCase},
      {3, 1, &FillerWriter::unindentedWith},
  };
  return kinds;
}

FillerWriter::Lines FillerWriter::chunk(int maxLines) {
  const auto& kinds = chunkKinds();
  static const int totalWeight =
      std::accumulate(kinds.begin(), kinds.end(), 0, [](int sum, const ChunkKind& k) { return sum + k.weight; });
  int draw = static_cast<int>(random_.below(static_cast<std::uint32_t>(totalWeight)));
  for (const auto& kind : kinds) {
    draw -= kind.weight;
    if (draw < 0) return kind.lines <= maxLines ? (this->*kind.make)() : assignment();
  }
  return assignment();
}

std::string FillerWriter::mention() {
  if (declarations_.empty()) return "the old code";
  return random_.pick(declarations_).name;
}

// Never a double quote: the engine would take it for a literal delimiter.
std::string FillerWriter::commentText() {
  switch (random_.below(8)) {
    case 0: return "see " + mention() + " for the rules";
    case 1: return mention() + " does the same for the report";
    case 2: return "do not call " + mention() + " from here";
    default: return std::string(random_.pick(kPlainComments));
  }
}

std::string FillerWriter::literalText() {
  switch (random_.below(10)) {
    case 0: return "Value of " + mention() + " changed";
    case 1: return "Don't call " + mention() + " twice";
    case 2: return "Press \"\"OK\"\" to go on";
    default: return std::string(random_.pick(kPlainLiterals));
  }
}

std::string FillerWriter::plainStatement() { return std::string(random_.pick(kPlainStatements)); }

FillerWriter::Lines FillerWriter::comment() { return {"    ' " + commentText()}; }

FillerWriter::Lines FillerWriter::remComment() { return {"    Rem " + commentText()}; }

FillerWriter::Lines FillerWriter::assignment() {
  std::string line = indent4(plainStatement());
  if (random_.percent(25)) line += " ' " + commentText();
  return {line};
}

FillerWriter::Lines FillerWriter::textAssignment() {
  if (random_.percent(50)) return {"    sText = \"" + literalText() + "\""};
  return {"    sText = sText & \"" + literalText() + "\" & CStr(nIndex)"};
}

FillerWriter::Lines FillerWriter::localCall() { return {random_.pick(file_->localCalls)}; }

FillerWriter::Lines FillerWriter::tempDim() {
  const std::string number = std::to_string(++localNumber_);
  if (random_.percent(50)) return {"    Dim nTemp" + number + " As Long"};
  return {"    Dim sTemp" + number + " As String"};
}

FillerWriter::Lines FillerWriter::localConst() {
  const std::string number = std::to_string(++localNumber_);
  return {"    Const LIMIT_" + number + " As Long = " + std::to_string(random_.between(2, 99))};
}

FillerWriter::Lines FillerWriter::trailingRem() { return {"    nCount = nCount + 1: Rem " + commentText()}; }

FillerWriter::Lines FillerWriter::exitCheck() {
  return {procedure_->isFunction ? "    If nCount < 0 Then Exit Function" : "    If nCount < 0 Then Exit Sub"};
}

FillerWriter::Lines FillerWriter::debugPrint() { return {"    Debug.Print \"" + literalText() + "\"; nTotal"}; }

FillerWriter::Lines FillerWriter::ifBlock() {
  return {"    If nCount > " + std::to_string(random_.between(1, 50)) + " Then", indent8(plainStatement()),
          "    End If"};
}

FillerWriter::Lines FillerWriter::forLoop() {
  return {"    For nIndex = 1 To " + std::to_string(random_.between(2, 20)), "        nTotal = nTotal + nIndex",
          "    Next nIndex"};
}

FillerWriter::Lines FillerWriter::withBlock() {
  if (file_->isForm) {
    if (random_.percent(50)) return {"    With txtValue", "        .Text = sText", "        .Enabled = bReady", "    End With"};
    return {"    With cmdOk", "        .Caption = \"" + literalText() + "\"", "        .Default = True", "    End With"};
  }
  return {"    With Printer", "        .FontSize = 10", "        .Print sText", "    End With"};
}

FillerWriter::Lines FillerWriter::ifElseBlock() {
  return {"    If bReady Then", "        sText = \"" + literalText() + "\"", "    Else", indent8(plainStatement()),
          "    End If"};
}

FillerWriter::Lines FillerWriter::doLoop() {
  return {"    Do While nIndex < nCount", "        nIndex = nIndex + 1", "    Loop"};
}

FillerWriter::Lines FillerWriter::selectCase() {
  return {"    Select Case nIndex",  "        Case 1", "            sText = \"" + literalText() + "\"",
          "        Case Else",       "            " + plainStatement(), "    End Select"};
}

// Old code pasted without indentation: the engine's reader drops a line that
// starts with a single dot, so only declared-name-free text goes there.
FillerWriter::Lines FillerWriter::unindentedWith() {
  return {file_->isForm ? "    With txtValue" : "    With Printer", ".FontBold = True", "    End With"};
}

}  // namespace bench
