#include "bench/declarations.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace bench {
namespace {

// No stem holds "Sub", "Function" or "Rem": the engine reads those inside names.
constexpr std::array<std::string_view, 14> kSubStems = {
    "Show", "Load", "Save", "Refresh", "Clear", "Fill", "Sort",
    "Export", "Import", "Reset", "Draw", "Apply", "Close", "Open"};
constexpr std::array<std::string_view, 10> kFunctionStems = {
    "Calc", "Find", "Parse", "Lookup", "Check", "Measure", "Convert", "Total", "Next", "Read"};

struct VariableStyle {
  std::string_view prefix;
  std::string_view type;
  std::array<std::string_view, 4> stems;
};
constexpr std::array<VariableStyle, 4> kVariableStyles = {{
    {"gn", "Long", {"Total", "Count", "Width", "Limit"}},
    {"gs", "String", {"Title", "Path", "UserName", "Caption"}},
    {"gb", "Boolean", {"Dirty", "Ready", "Loaded", "Busy"}},
    {"gd", "Double", {"Rate", "Scale", "Factor", "Ratio"}},
}};
constexpr std::array<std::string_view, 6> kLongConstantStems = {
    "MAX_ROWS", "MIN_WIDTH", "DEFAULT_PORT", "RETRY_COUNT", "PAGE_SIZE", "TIMEOUT_MS"};
constexpr std::array<std::string_view, 3> kTextConstantStems = {"APP_TITLE", "KEY_NAME", "LOG_PREFIX"};
constexpr std::array<std::string_view, 4> kDeclarationComments = {
    "' kept between calls", "' set at start-up", "' shared with the forms", "' see the notes"};

std::string numberedName(std::string_view stem, int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "_%06d_", number);
  return std::string(stem) + digits;
}

std::string withComment(std::string line, BenchRandom& random) {
  if (random.percent(20)) line.append(" ").append(random.pick(kDeclarationComments));
  return line;
}

void describeProcedure(Declaration& d, int number, BenchRandom& random) {
  const bool isSub = d.kind == DeclarationKind::Sub;
  d.name = numberedName(isSub ? random.pick(kSubStems) : random.pick(kFunctionStems), number);
  d.takesValue = random.percent(70);
  const std::string parameters = d.takesValue ? "(ByVal nValue As Long)" : "()";
  d.line = isSub ? "Public Sub " + d.name + parameters
                 : "Public Function " + d.name + parameters + " As Long";
}

void describeVariable(Declaration& d, int number, BenchRandom& random) {
  const VariableStyle& style = random.pick(kVariableStyles);
  d.name = numberedName(std::string(style.prefix) + std::string(random.pick(style.stems)), number);
  d.valueType = style.type;
  d.line = withComment("Public " + d.name + " As " + d.valueType, random);
}

void describeConstant(Declaration& d, int number, BenchRandom& random) {
  const bool isText = random.percent(25);
  d.valueType = isText ? "String" : "Long";
  d.name = numberedName(isText ? random.pick(kTextConstantStems) : random.pick(kLongConstantStems), number);
  const std::string value = isText ? "\"Bench\"" : std::to_string(random.between(1, 500));
  d.line = withComment("Public Const " + d.name + " = " + value, random);
}

std::string subUse(const Declaration& d, BenchRandom& random) {
  if (d.takesValue) return random.percent(50) ? "    Call " + d.name + "(nIndex)" : "    " + d.name + " nCount";
  return random.percent(50) ? "    Call " + d.name : "    " + d.name;
}

std::string functionUse(const Declaration& d, BenchRandom& random) {
  const std::string call = d.name + (d.takesValue ? "(nCount)" : "()");
  if (random.percent(30)) return "    If " + call + " > 0 Then nTotal = nTotal + 1";
  return "    nResult = " + call;
}

std::string valueUse(const Declaration& d) {
  if (d.valueType == "Long") return "    nTotal = nTotal + " + d.name;
  if (d.valueType == "String") return "    sText = sText & " + d.name;
  if (d.valueType == "Boolean") return "    bReady = " + d.name;
  return "    dValue = dValue * " + d.name;
}

}  // namespace

DeclarationKind drawKind(Verdict verdict, BenchRandom& random) {
  if (verdict == Verdict::UsedElsewhere && random.percent(4)) return DeclarationKind::Constant;
  const int draw = static_cast<int>(random.below(100));
  if (draw < 35) return DeclarationKind::Sub;
  if (draw < 70) return DeclarationKind::Function;
  return DeclarationKind::Variable;
}

Declaration makeDeclaration(int number, DeclarationKind kind, Verdict verdict, int file,
                            BenchRandom& random) {
  Declaration d;
  d.kind = kind;
  d.verdict = verdict;
  d.file = file;
  if (kind == DeclarationKind::Variable) describeVariable(d, number, random);
  else if (kind == DeclarationKind::Constant) describeConstant(d, number, random);
  else describeProcedure(d, number, random);
  return d;
}

std::string useLine(const Declaration& d, BenchRandom& random) {
  switch (d.kind) {
    case DeclarationKind::Sub: return subUse(d, random);
    case DeclarationKind::Function: return functionUse(d, random);
    default: return valueUse(d);
  }
}

std::vector<std::string> recursiveCalls(const Declaration& d, BenchRandom& random) {
  if (!d.takesValue || !random.percent(15)) return {};
  if (d.kind == DeclarationKind::Sub) return {"    If nValue > 1 Then " + d.name + " nValue - 1"};
  return {"    If nValue > 1 Then nResult = " + d.name + "(nValue - 1)"};
}

std::string functionResultLine(const Declaration& d) { return "    " + d.name + " = nResult"; }

}  // namespace bench
