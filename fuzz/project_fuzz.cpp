// Turns each input into a small project, a form, a module and a class, and
// stops on the first run whose result list differs from the plain reading's.
// The first byte picks the line-end mode and whether Sub Main starts the
// project; the rest is cut at NUL bytes into the three files.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics/error_handler.h"
#include "tests/engine/plain_reading.h"
#include "tests/engine/recording_run_view.h"
#include "utilities/cp1252_case.h"

namespace {

namespace fs = std::filesystem;

const char* const kFiles[] = {"f.frm", "m.bas", "c.cls"};

void write(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One folder per process, its two project files written once.
const fs::path& folder() {
  static const fs::path made = [] {
    std::string pattern = (fs::temp_directory_path() / "scopster-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    const std::string entries = "Form=f.frm\r\nModule=M; m.bas\r\nClass=C; c.cls\r\n";
    write(fs::path(pattern) / "P.vbp", entries);
    write(fs::path(pattern) / "Main.vbp", entries + "Startup=\"Sub Main\"\r\n");
    return fs::path(pattern);
  }();
  return made;
}

std::vector<std::string> engineList(const std::string& project, utilities::LineEnds ends) {
  engine_test::AnalysisRun run(project);
  run.analyser.setLineEnds(ends);
  run.go();
  return run.view.list;
}

void printList(const char* title, const std::vector<std::string>& list) {
  std::fprintf(stderr, "%s\n", title);
  for (const std::string& line : list) std::fprintf(stderr, "  |%s|\n", line.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    diagnostics::ErrorHandlerSetup setup;  // no dialogs: an error prints, and the lists then differ
    diagnostics::installErrorHandler(setup);
    return true;
  }();
  (void)quiet;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const unsigned mode = bytes.empty() ? 0u : static_cast<unsigned char>(bytes.front());
  if (!bytes.empty()) bytes.remove_prefix(1);
  for (const char* name : kFiles) {
    const std::size_t cut = std::min(bytes.find('\0'), bytes.size());
    write(folder() / name, bytes.substr(0, cut));
    bytes.remove_prefix(std::min(cut + 1, bytes.size()));
  }
  const utilities::LineEnds ends = (mode & 1) != 0 ? utilities::LineEnds::Crlf : utilities::LineEnds::Any;
  const std::string project = (folder() / ((mode & 2) != 0 ? "Main.vbp" : "P.vbp")).string();
  const std::vector<std::string> expected = plain_reading::resultList(project, ends);
  const std::vector<std::string> found = engineList(project, ends);
  if (found == expected) return 0;
  printList("engine:", found);
  printList("plain reading:", expected);
  std::abort();
}
