#include "bench/project_writer.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "bench/filler.h"

namespace bench {
namespace {

using Lines = std::vector<std::string>;

void prepareFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  if (!std::filesystem::is_empty(folder))
    throw std::runtime_error("output folder " + folder.string() + " is not empty; give a new or empty one");
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string joinLines(const Lines& lines, const char* lineEnd) {
  std::string text;
  for (const auto& line : lines) text.append(line).append(lineEnd);
  return text;
}

void append(Lines& lines, const Lines& more) { lines.insert(lines.end(), more.begin(), more.end()); }

Lines sourceLines(const SourceFile& file, FillerWriter& filler) {
  Lines lines = file.top;
  for (const auto& procedure : file.procedures) {
    append(lines, procedure.opening);
    append(lines, filler.body(file, procedure));
    append(lines, procedure.closing);
  }
  if (static_cast<int>(lines.size()) != file.lineCount())
    throw std::logic_error(file.fileName() + ": written line count differs from the plan");
  return lines;
}

std::string startupObject(const ProjectPlan& plan) {
  for (const auto& file : plan.files)
    if (file.isForm) return "\"" + file.moduleName + "\"";
  return "\"Sub Main\"";
}

Lines projectFileLines(const ProjectPlan& plan) {
  Lines lines = {"Type=Exe",
                 "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#..\\..\\..\\WINDOWS\\system32\\"
                 "stdole2.tlb#OLE Automation"};
  for (const auto& file : plan.files)
    lines.push_back(file.isForm ? "Form=" + file.fileName() : "Module=" + file.moduleName + "; " + file.fileName());
  append(lines, {"Startup=" + startupObject(plan), "HelpFile=\"\"", "ExeName32=\"Bench.exe\"", "Command32=\"\"",
                 "Name=\"Bench\"", "HelpContextID=\"0\"", "CompatibleMode=\"0\"", "MajorVer=1", "MinorVer=0",
                 "RevisionVer=0", "AutoIncrementVer=0", "ServerSupportFiles=0", "CompilationType=0",
                 "OptimizationType=0", "FavorPentiumPro(tm)=0", "CodeViewDebugInfo=0", "NoAliasing=0",
                 "BoundsCheck=0", "OverflowCheck=0", "FlPointCheck=0", "FDIVCheck=0", "UnroundedFP=0",
                 "StartMode=0", "Unattended=0", "Retained=0", "ThreadPerObject=0", "MaxNumberOfThreads=1"});
  return lines;
}

std::string declaredNames(const ProjectPlan& plan) {
  std::string text;
  for (const auto& declaration : plan.declarations) text.append(declaration.name).append("\n");
  return text;
}

ProjectFigures countFigures(const ProjectPlan& plan) {
  ProjectFigures figures;
  for (const auto& file : plan.files) {
    (file.isForm ? figures.forms : figures.modules) += 1;
    figures.lines += file.lineCount();
  }
  figures.declarations = static_cast<int>(plan.declarations.size());
  figures.expectedUnused = countVerdicts(plan, Verdict::Unused);
  figures.expectedPrivate = countVerdicts(plan, Verdict::Private);
  return figures;
}

}  // namespace

ProjectFigures writeProject(const ProjectPlan& plan, const std::filesystem::path& folder, BenchRandom& random) {
  prepareFolder(folder);
  ProjectFigures figures = countFigures(plan);
  FillerWriter filler(plan.declarations, random);
  for (const auto& file : plan.files) {
    const std::string text = joinLines(sourceLines(file, filler), "\r\n");
    writeFile(folder / file.fileName(), text);
    figures.bytes += static_cast<std::int64_t>(text.size());
  }
  const std::string project = joinLines(projectFileLines(plan), "\r\n");
  writeFile(folder / "Bench.vbp", project);
  figures.bytes += static_cast<std::int64_t>(project.size());
  writeFile(folder / "names.txt", declaredNames(plan));
  writeFile(folder / "expected.txt", describeFigures(figures));
  return figures;
}

std::string describeFigures(const ProjectFigures& figures) {
  return "project: Bench.vbp\n"
         "forms: " + std::to_string(figures.forms) + "\n"
         "modules: " + std::to_string(figures.modules) + "\n"
         "lines: " + std::to_string(figures.lines) + "\n"
         "bytes: " + std::to_string(figures.bytes) + "\n"
         "declarations: " + std::to_string(figures.declarations) + "\n"
         "expected Unused: " + std::to_string(figures.expectedUnused) + "\n"
         "expected Private: " + std::to_string(figures.expectedPrivate) + "\n";
}

}  // namespace bench
