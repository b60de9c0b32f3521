#include "bench/project_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bench/declarations.h"
#include "bench/line_budget.h"
#include "bench/source_frame.h"

namespace bench {
namespace {

std::vector<Verdict> drawVerdicts(const GeneratorOptions& options, BenchRandom& random) {
  const int total = options.declarationCount;
  const int unused = static_cast<int>(std::llround(total * options.unusedShare));
  const int privates = std::min(static_cast<int>(std::llround(total * options.privateShare)), total - unused);
  std::vector<Verdict> verdicts(static_cast<std::size_t>(total), Verdict::UsedElsewhere);
  std::fill_n(verdicts.begin(), unused, Verdict::Unused);
  std::fill_n(verdicts.begin() + unused, privates, Verdict::Private);
  random.shuffle(verdicts);
  return verdicts;
}

std::vector<Declaration> makeDeclarations(const GeneratorOptions& options, BenchRandom& random) {
  std::vector<Declaration> declarations;
  int number = 0;
  for (const Verdict verdict : drawVerdicts(options, random)) {
    const DeclarationKind kind = drawKind(verdict, random);
    const int file = static_cast<int>(random.below(static_cast<std::uint32_t>(options.fileCount)));
    declarations.push_back(makeDeclaration(++number, kind, verdict, file, random));
  }
  return declarations;
}

std::vector<SourceFile> makeFiles(int fileCount, BenchRandom& random) {
  // About three files in ten are forms.
  const int forms = std::max(1, fileCount * 3 / 10);
  std::vector<int> isForm(static_cast<std::size_t>(fileCount), 0);
  std::fill_n(isForm.begin(), forms, 1);
  random.shuffle(isForm);
  std::vector<SourceFile> files(static_cast<std::size_t>(fileCount));
  for (int i = 0; i < fileCount; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "%sBench%04d", isForm[i] ? "frm" : "mod", i + 1);
    files[i].moduleName = name;
    files[i].isForm = isForm[i] != 0;
    files[i].top = fileFrameTop(name, files[i].isForm, i + 1);
  }
  return files;
}

Procedure privateProcedure(const std::string& header, bool isFunction) {
  Procedure procedure;
  procedure.opening = procedureOpening(header);
  procedure.isFunction = isFunction;
  procedure.closing = {isFunction ? "End Function" : "End Sub"};
  return procedure;
}

// Private procedures that filler statements call, so files call between
// their own local names; forms also get their event procedures.
void addPrivateProcedures(SourceFile& file, BenchRandom& random) {
  const int helpers = random.between(1, 3);
  for (int k = 1; k <= helpers; ++k) {
    const std::string number = std::to_string(k);
    if (random.percent(50)) {
      file.procedures.push_back(privateProcedure("Private Sub LocalStep" + number + "(ByVal nValue As Long)", false));
      file.localCalls.push_back("    Call LocalStep" + number + "(nIndex)");
    } else {
      file.procedures.push_back(
          privateProcedure("Private Function LocalValue" + number + "(ByVal nValue As Long) As Long", true));
      file.localCalls.push_back("    nResult = LocalValue" + number + "(nCount)");
    }
  }
  if (file.isForm)
    for (const auto& header : formEventHeaders()) file.procedures.push_back(privateProcedure(header, false));
}

Procedure publicProcedure(const Declaration& declaration, int index, BenchRandom& random) {
  Procedure procedure;
  procedure.opening = procedureOpening(declaration.line);
  procedure.required = recursiveCalls(declaration, random);
  procedure.declaration = index;
  procedure.isFunction = declaration.kind == DeclarationKind::Function;
  if (procedure.isFunction) procedure.closing = {functionResultLine(declaration), "End Function"};
  else procedure.closing = {"End Sub"};
  return procedure;
}

void addDeclarations(std::vector<SourceFile>& files, const std::vector<Declaration>& declarations,
                     BenchRandom& random) {
  for (std::size_t i = 0; i < declarations.size(); ++i) {
    const Declaration& d = declarations[i];
    SourceFile& file = files[static_cast<std::size_t>(d.file)];
    if (d.kind == DeclarationKind::Sub || d.kind == DeclarationKind::Function)
      file.procedures.push_back(publicProcedure(d, static_cast<int>(i), random));
    else
      file.top.push_back(d.line);
  }
}

int otherFile(int own, int fileCount, BenchRandom& random) {
  return (own + 1 + static_cast<int>(random.below(static_cast<std::uint32_t>(fileCount - 1)))) % fileCount;
}

Procedure& anyProcedure(SourceFile& file, BenchRandom& random) {
  return file.procedures[random.below(static_cast<std::uint32_t>(file.procedures.size()))];
}

// Any procedure of the declaring file except the declared one, whose own
// body the engine skips.
Procedure& procedureOutsideOwnBody(SourceFile& file, int declaration, BenchRandom& random) {
  std::vector<Procedure*> candidates;
  for (auto& procedure : file.procedures)
    if (procedure.declaration != declaration) candidates.push_back(&procedure);
  return *random.pick(candidates);
}

void placeUses(ProjectPlan& plan, BenchRandom& random) {
  const int fileCount = static_cast<int>(plan.files.size());
  for (std::size_t i = 0; i < plan.declarations.size(); ++i) {
    const Declaration& d = plan.declarations[i];
    if (d.verdict == Verdict::UsedElsewhere) {
      for (int uses = random.between(1, 3); uses > 0; --uses) {
        SourceFile& file = plan.files[static_cast<std::size_t>(otherFile(d.file, fileCount, random))];
        anyProcedure(file, random).required.push_back(useLine(d, random));
      }
    } else if (d.verdict == Verdict::Private) {
      SourceFile& file = plan.files[static_cast<std::size_t>(d.file)];
      procedureOutsideOwnBody(file, static_cast<int>(i), random).required.push_back(useLine(d, random));
    }
  }
}

}  // namespace

int Procedure::fixedLineCount() const {
  return static_cast<int>(opening.size() + required.size() + closing.size());
}

int SourceFile::fixedLineCount() const {
  int count = static_cast<int>(top.size());
  for (const auto& procedure : procedures) count += procedure.fixedLineCount();
  return count;
}

int SourceFile::lineCount() const {
  int count = fixedLineCount();
  for (const auto& procedure : procedures) count += procedure.fillerLines;
  return count;
}

ProjectPlan planProject(const GeneratorOptions& options, BenchRandom& random) {
  checkGeneratorOptions(options);
  ProjectPlan plan;
  plan.declarations = makeDeclarations(options, random);
  plan.files = makeFiles(options.fileCount, random);
  for (auto& file : plan.files) addPrivateProcedures(file, random);
  addDeclarations(plan.files, plan.declarations, random);
  for (auto& file : plan.files) random.shuffle(file.procedures);
  placeUses(plan, random);
  assignFillerLines(plan, options.lineCount, random);
  return plan;
}

int countVerdicts(const ProjectPlan& plan, Verdict verdict) {
  return static_cast<int>(std::count_if(plan.declarations.begin(), plan.declarations.end(),
                                        [verdict](const Declaration& d) { return d.verdict == verdict; }));
}

}  // namespace bench
