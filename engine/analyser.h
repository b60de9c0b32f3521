#pragma once
// One analysis run over a VB6 project: the run state that lives in the main
// window, and the procedures that read the project, collect the "Public"
// declarations of its forms and modules, find where every code file of the
// project uses their names, and report those that no other file uses.
// The members are defined in analyser.cpp (the run), analyser_project_reader.cpp
// (the project file) and analyser_verdicts.cpp (reading and judging).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/declaring_file.h"
#include "engine/run_events.h"
#include "engine/usage_index.h"
#include "utilities/line_reader.h"
#include "utilities/vb_path.h"

namespace engine {

// How the last run ended, for callers that report it (the terminal tool).
struct RunSummary {
  bool projectMissing = false;    // "File does not exist"
  std::string missingSourceFile;  // "Can't find file '...'", when it came to that
  std::int32_t declarations = 0;  // declaration lines that declare a name
  std::int32_t reported = 0;      // result groups appended
};

// A code file the project lists, joined to the project folder.
struct CodeEntry {
  std::string path;           // as shown: UTF-8
  utilities::HeldPath file;   // as opened
  bool declaring = false;  // a form or module, whose declarations are judged
  bool isForm = false;
  bool hasDrive = false;   // written with a drive ("C:..."), so not joined
};

class Analyser {
 public:
  // A yield costs more than a search; yields closer together than
  // yieldInterval are skipped, which keeps the window live without slowing the
  // run down.
  static constexpr std::chrono::milliseconds kDefaultYieldInterval{5};

  explicit Analyser(RunEvents& events, std::chrono::milliseconds yieldInterval = kDefaultYieldInterval)
      : events_(events), yieldInterval_(yieldInterval) {}

  // The project file the next run reads: a native path, or for a project that
  // a project group lists, the group's folder and the entry as written.
  void setProject(utilities::HeldPath project) {
    project_ = std::move(project);
    projectText_ = utilities::pathText(project_);
  }

  // How project and source files split into lines: at CR, LF or CR LF by
  // default; LineEnds::Crlf reads them as VB6 does.
  void setLineEnds(utilities::LineEnds ends) { lineEnds_ = ends; }

  void mAnalyse(bool& bError);
  void mShowProgress(bool& bError);
  // Reads the project file: the declaring files into masSourceFiles, every
  // code file into codeEntries. Returns the number of declaring files.
  std::int16_t mnGetSourceFiles(bool& bError);

  const std::vector<std::string>& masSourceFiles() const { return masSourceFiles_; }
  const std::vector<CodeEntry>& codeEntries() const { return entries_; }
  bool startsWithSubMain() const { return startsWithSubMain_; }
  std::int16_t mnSourceFileCount() const { return mnSourceFileCount_; }
  std::int16_t mnSourceFile() const { return mnSourceFile_; }
  const RunSummary& lastRun() const { return summary_; }

 private:
  using Clock = std::chrono::steady_clock;

  // One file read for the run; a file listed twice is read once.
  struct CodeFile {
    std::size_t entry = 0;  // its first entry
    bool declaring = false;
    DeclaringFile declarations;
  };

  utilities::HeldPath projectFolder() const;
  bool judgeFiles(bool& bError);
  bool findMissingFile(bool& bError);
  void collectFiles();
  bool readDeclaringFiles(bool& bError);
  void learnNames();
  bool scanFiles(bool& bError);
  void reportVerdicts(bool& bError);
  void reportFile(std::size_t file, bool& bError);
  bool usedElsewhere(std::size_t file, std::size_t declaration) const;
  bool usedInOwnFile(std::size_t file, std::size_t declaration) const;
  bool isEventHandler(std::size_t file, const PublicDeclaration& declaration) const;
  void reportVerdict(const std::string& path, const PublicDeclaration& declaration, bool inOwnFile);
  std::string readCode(const CodeEntry& entry) const;
  void warnLineEnds(const std::string& path, std::string_view bytes);
  void yieldNow(bool& bError);
  void finishRun(bool completed);
  RunEvents::Elapsed elapsed() const;

  RunEvents& events_;
  std::chrono::milliseconds yieldInterval_;
  utilities::LineEnds lineEnds_ = utilities::LineEnds::Any;
  utilities::HeldPath project_;
  std::string projectText_;  // as shown: UTF-8
  std::vector<CodeEntry> entries_;
  bool startsWithSubMain_ = false;
  std::vector<CodeFile> files_;
  std::vector<std::size_t> fileOfEntry_;  // by entry
  UsageIndex index_;
  // The keys of each declaration's names (with its enum members, and the
  // handler forms of its events), as a range of keyList_: one flat list,
  // since projects declare hundreds of thousands of names.
  struct LearnedKey {
    std::uint32_t key = 0;
    UsageIndex::Match match = UsageIndex::Match::Whole;
  };
  struct KeyRange {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
  };
  std::vector<LearnedKey> keyList_;
  std::filesystem::path openedFile_;  // of the file being judged
  std::vector<std::vector<KeyRange>> keys_;  // by file, by declaration
  std::vector<std::string> masSourceFiles_{std::string()};
  std::int16_t mnSourceFileCount_ = 0;
  std::int16_t mnSourceFile_ = 0;
  Clock::time_point mvStartTime_{};
  Clock::time_point lastYield_{};
  RunSummary summary_;
};

}  // namespace engine
