#include "engine/analyser.h"

#include <string_view>

#include "diagnostics/error_trap.h"
#include "engine/source_scanner.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_strings.h"
#include "runtime/vb_time.h"
#include "utilities/folder_listing_cache.h"
#include "utilities/vb_path.h"

namespace engine {

namespace {
constexpr std::string_view kObject = "frmScopster";
}  // namespace

void Analyser::mAnalyse(bool& bError) {
  diagnostics::ErrorTrap trap{kObject, "mAnalyse", bError};
  const utilities::FolderListingRun keepFolderListings;
  summary_ = RunSummary{};
  if (!trap.step(1, [&] {
        mvStartTime_ = Clock::now();
        lastYield_ = mvStartTime_;
        shownSeconds_ = -1;
      }))
    return;
  if (!trap.step(2, [&] {
        view_.clearList();
        project_ = view_.sourceText();
        view_.appendLine(project_);
      }))
    return;
  if (!trap.step(3, [&] {
        view_.setRunTimeCaption("Run Time: 00:00:00");
        view_.setProcessingVisible(true);
        view_.repaint();
      }))
    return;
  if (!trap.step(4, [&] {
        masSourceFiles_.assign(1, std::string());
        indexedFiles_.clear();
        cache_.clear();
        mnSourceFileCount_ = mnGetSourceFiles(bError);
      }))
    return;
  if (mnSourceFileCount_ == 0 || bError) return;
  if (!trap.step(5, [&] {
        cache_.prepare(std::vector<std::string>(masSourceFiles_.begin() + 1, masSourceFiles_.end()), [&] {
          yieldNow(bError);
          return !view_.stopRequested();
        });
        indexedFiles_.assign(masSourceFiles_.size(), nullptr);
        for (std::size_t j = 1; j < masSourceFiles_.size(); ++j) indexedFiles_[j] = cache_.indexedFile(masSourceFiles_[j]);
        warnLineEndsOfSourceFiles();
      }))
    return;
  // A stop while the files were being read ends the run before its loop.
  const std::int32_t lastFile = view_.stopRequested() ? 0 : mnSourceFileCount_;
  for (sourceFileLoop_ = 1; sourceFileLoop_ <= lastFile; ++sourceFileLoop_) {
    mnSourceFile_ = static_cast<std::int16_t>(sourceFileLoop_);
    if (!trap.step(6, [&] { analyseSourceFile(bError); })) return;
    if (bError || view_.stopRequested()) break;
  }
  trap.step(8, [&] { finishRun(bError); });
}

void Analyser::analyseSourceFile(bool& bError) {
  const std::string path = masSourceFiles_[static_cast<std::size_t>(mnSourceFile_)];
  view_.setSourceFileCaption(path);
  utilities::LineList publics{std::string()};
  mShowSourceGetPublics(path, publics, bError);
  if (bError) return;
  summary_.declarations += static_cast<std::int32_t>(publics.size() - 1);
  for (std::size_t i = 1; i < publics.size(); ++i) {
    const std::string& declaration = publics[i];
    view_.setPublicCaption(declaration);
    const bool found = usedInAnotherFile(declaration, bError);
    if (bError || view_.stopRequested()) return;
    if (!found) appendResultGroup(i, declaration, mbPublicInFile(declaration, path, false, bError));
  }
}

// A file listed twice is read once, so it is warned about once.
void Analyser::warnLineEndsOfSourceFiles() {
  std::vector<char> warned(cache_.slotCount(), 0);
  for (std::size_t j = 1; j < masSourceFiles_.size(); ++j) {
    const SourceCache::File* file = indexedFiles_[j];
    if (file == nullptr || !file->onlyLfLineEnds || warned[file->slot] != 0) continue;
    warned[file->slot] = 1;
    view_.warnLineEnds(masSourceFiles_[j]);
  }
}

bool Analyser::usedInAnotherFile(const std::string& declaration, bool& bError) {
  bool found = false;
  markFilesToSearch(declaration, bError);
  for (std::int32_t j = 1; j <= mnSourceFileCount_; ++j) {
    if (j == mnSourceFile_) {
      skipsSinceClockRead_ = kSkipsPerClockRead;  // at least once per declaration
    } else if (skipsSearch(j)) {
      skippedSearch_ = j;
      ++skipsSinceClockRead_;
    } else {
      showSkippedSearch(bError);
      found = mbPublicInFile(declaration, masSourceFiles_[static_cast<std::size_t>(j)], true, bError);
      skipsSinceClockRead_ = kSkipsPerClockRead;  // a real search may have taken a while
    }
    if (bError || found || view_.stopRequested()) break;
    if (skipsSinceClockRead_ >= kSkipsPerClockRead) {
      skipsSinceClockRead_ = 0;
      yieldNow(bError);
    }
  }
  showSkippedSearch(bError);
  return found;
}

void Analyser::markFilesToSearch(const std::string& declaration, bool& bError) {
  skipping_ = false;
  const std::string name = nameOf(declaration, bError);
  if (bError) return;
  if (!cache_.filesContaining(name, slotsWithName_)) return;
  mayContainName_.assign(cache_.slotCount(), 0);
  for (const std::uint32_t slot : slotsWithName_) mayContainName_[slot] = 1;
  skipping_ = true;
}

// A search may be skipped only where it would find nothing and raise nothing:
// the file is read and indexed and lacks the name.
bool Analyser::skipsSearch(std::int32_t fileIndex) {
  if (!skipping_) return false;
  const SourceCache::File* file = indexedFiles_[static_cast<std::size_t>(fileIndex)];
  return file != nullptr && file->slot < mayContainName_.size() &&
         mayContainName_[file->slot] == 0;
}

void Analyser::showSkippedSearch(bool& bError) {
  if (skippedSearch_ == 0) return;
  const std::size_t shown = static_cast<std::size_t>(skippedSearch_);
  skippedSearch_ = 0;
  if (view_.stopRequested()) return;
  view_.setSearchFileCaption(masSourceFiles_[shown]);
  mShowProgress(bError);
}

void Analyser::appendResultGroup(std::size_t declarationIndex, const std::string& declaration, bool usedInOwnFile) {
  view_.appendLine("    " + masSourceFiles_[static_cast<std::size_t>(mnSourceFile_)]);
  view_.appendLine("        " + declaration);
  view_.appendLine(usedInOwnFile ? "        Private" : "        Unused");
  view_.appendLine("");
  ++summary_.reported;
  reportVerdict(declarationIndex, declaration, usedInOwnFile);
  if (view_.autoScrollValue() == 1) {
    // The blank closing line first brings the end of the list into view.
    view_.setListIndex(view_.listCount() - 1);
    view_.setListIndex(view_.listCount() - 3);
  }
}

void Analyser::reportVerdict(std::size_t declarationIndex, const std::string& declaration, bool usedInOwnFile) {
  const std::string& file = masSourceFiles_[static_cast<std::size_t>(mnSourceFile_)];
  if (file != verdictFile_) {  // a file's verdicts come one after another
    openedVerdictFile_ = utilities::nativePath(file);
    verdictFile_ = file;
  }
  Verdict verdict;
  verdict.project = project_;
  verdict.sourceFile = file;
  verdict.openedFile = openedVerdictFile_;
  verdict.line = declarationIndex < publicLineNumbers_.size() ? publicLineNumbers_[declarationIndex] : 0;
  verdict.declaration = declaration;
  if (namedDeclaration_ == declaration) verdict.names = {declarationName_};  // as its searches cut it
  verdict.usedInOwnFile = usedInOwnFile;
  view_.reportVerdict(verdict);
}

void Analyser::yieldNow(bool& bError) {
  const Clock::time_point now = Clock::now();
  if (now - lastYield_ < yieldInterval_) return;
  showSkippedSearch(bError);
  view_.yield();
  lastYield_ = Clock::now();
}

void Analyser::finishRun(bool& bError) {
  if (view_.stopRequested()) return;
  if (sourceFileLoop_ > mnSourceFileCount_) mnSourceFile_ = mnSourceFileCount_;
  mShowProgress(bError);
  view_.setProcessingVisible(false);
  view_.setPublicCaption("");
  view_.setSearchFileCaption("");
  view_.setSourceFileCaption("");
}

void Analyser::mShowProgress(bool& bError) {
  diagnostics::ErrorTrap trap{kObject, "mShowProgress", bError};
  if (view_.stopRequested()) return;
  trap.step(1, [&] {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - mvStartTime_);
    const std::int64_t seconds = elapsed.count() / 1000;
    if (seconds == shownSeconds_ && mnSourceFile_ == shownSourceFile_) return;
    view_.setRunTimeCaption("Run Time: " + vb::formatElapsed(elapsed) + "  File: " +
                            std::to_string(mnSourceFile_) + "/" + std::to_string(mnSourceFileCount_));
    shownSeconds_ = seconds;
    shownSourceFile_ = mnSourceFile_;
  });
}

}  // namespace engine
