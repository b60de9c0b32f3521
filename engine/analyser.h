#pragma once
// One analysis run over a VB6 project: the run state that lives in the main
// window, and the procedures that read the project, collect its "Public"
// declarations and search the other files for each declared name.
// The members are defined in analyser.cpp (the run), analyser_project_reader.cpp
// and analyser_usage_search.cpp.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/run_view.h"
#include "engine/source_cache.h"
#include "utilities/line_reader.h"

namespace engine {

// How the last run ended, for callers that report it (the terminal tool).
struct RunSummary {
  bool projectMissing = false;    // "File does not exist"
  std::string missingSourceFile;  // "Can't find file '...'", when it came to that
  std::int32_t declarations = 0;  // "Public" lines collected
  std::int32_t reported = 0;      // result groups appended
};

class Analyser {
 public:
  // A yield costs more than a search; yields closer together than
  // yieldInterval are skipped, which keeps the window live without slowing the
  // run down.
  static constexpr std::chrono::milliseconds kDefaultYieldInterval{5};

  explicit Analyser(RunView& view, std::chrono::milliseconds yieldInterval = kDefaultYieldInterval)
      : view_(view), yieldInterval_(yieldInterval) {}

  // How project and source files split into lines; CR (as VB6) by default.
  void setLineEnds(utilities::LineEnds ends) {
    lineEnds_ = ends;
    cache_.setLineEnds(ends);
  }

  void mAnalyse(bool& bError);
  void mShowProgress(bool& bError);
  std::int16_t mnGetSourceFiles(bool& bError);
  void mShowSourceGetPublics(std::string sFile, utilities::LineList& asPublics, bool& bError);
  bool mbPublicInFile(const std::string& sDeclaration, const std::string& sFile, bool bOtherFile, bool& bError);

  const std::vector<std::string>& masSourceFiles() const { return masSourceFiles_; }
  std::int16_t mnSourceFileCount() const { return mnSourceFileCount_; }
  std::int16_t mnSourceFile() const { return mnSourceFile_; }
  const RunSummary& lastRun() const { return summary_; }

 private:
  using Clock = std::chrono::steady_clock;

  void analyseSourceFile(bool& bError);
  bool usedInAnotherFile(const std::string& declaration, bool& bError);
  void appendResultGroup(std::size_t declarationIndex, const std::string& declaration, bool usedInOwnFile);
  void reportVerdict(std::size_t declarationIndex, const std::string& declaration, bool usedInOwnFile);
  void warnLineEndsOfSourceFiles();
  bool searchOtherFile(SourceCache::File& file, const std::string& name, bool& bError);
  bool searchDeclaringFile(const std::string& declaration, SourceCache::File& file, const std::string& name,
                           bool& bError);
  std::string nameOf(const std::string& declaration, bool& bError);
  bool skipsSearch(std::int32_t fileIndex);
  void markFilesToSearch(const std::string& declaration, bool& bError);
  void showSkippedSearch(bool& bError);
  void yieldNow(bool& bError);
  void finishRun(bool& bError);

  RunView& view_;
  std::chrono::milliseconds yieldInterval_;
  utilities::LineEnds lineEnds_ = utilities::LineEnds::Crlf;
  // The file line of each collected declaration (index as in the list).
  std::vector<std::int32_t> publicLineNumbers_;
  std::string project_;      // as typed, for the verdicts
  std::string verdictFile_;  // the source file whose opened path is held
  std::filesystem::path openedVerdictFile_;
  SourceCache cache_;
  std::vector<std::string> masSourceFiles_{std::string()};
  std::int16_t mnSourceFileCount_ = 0;
  std::int16_t mnSourceFile_ = 0;
  std::int32_t sourceFileLoop_ = 0;  // the loop counter, which may pass 32,767 once
  Clock::time_point mvStartTime_{};
  Clock::time_point lastYield_{};
  // Reading the clock costs more than a skipped search; it is read after
  // every real search, once per declaration, and after every
  // kSkipsPerClockRead skipped searches.
  static constexpr int kSkipsPerClockRead = 64;
  int skipsSinceClockRead_ = 0;
  RunSummary summary_;
  // The name is cut out of the same declaration for every file searched; it
  // depends on the declaration alone.
  std::string namedDeclaration_;
  std::string declarationName_;
  // Files that cannot contain the current declaration's name are not searched:
  // such a search finds nothing and only updates two labels, so it is enough
  // to show its labels before anyone can see them (a yield or the end).
  bool skipping_ = false;
  std::vector<char> mayContainName_;  // by cache slot
  std::vector<std::uint32_t> slotsWithName_;
  std::vector<const SourceCache::File*> indexedFiles_;  // by source file index, once prepared
  std::int32_t skippedSearch_ = 0;    // the last file index skipped, 0 when none
  // The run-time label is rebuilt only when its text can have changed.
  std::int64_t shownSeconds_ = -1;
  std::int32_t shownSourceFile_ = -1;
};

}  // namespace engine
