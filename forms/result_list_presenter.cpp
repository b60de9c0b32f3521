#include "forms/result_list_presenter.h"

#include <string>

#include "runtime/codepage.h"
#include "runtime/vb_time.h"

namespace forms {

void ResultListPresenter::runStarted(std::string_view project) {
  fileCount_ = 0;
  file_ = 0;
  shownSeconds_ = -1;
  shownFile_ = -1;
  view_.clearList();
  view_.appendLine(project);
  view_.setRunTimeCaption("Run Time: 00:00:00");
  view_.setProcessingVisible(true);
  view_.repaint();
}

void ResultListPresenter::projectMissing() { view_.appendLine("File does not exist"); }

void ResultListPresenter::declaringFilesCounted(std::int32_t count) { fileCount_ = count; }

void ResultListPresenter::codeFileMissing(std::string_view path) {
  view_.appendLine("Can't find file '" + std::string(path) + "'");
}

// After a Stop the labels keep the file the run stopped in.
void ResultListPresenter::fileReadStarted(std::string_view path) {
  if (!view_.stopRequested()) view_.setSourceFileCaption(path);
}

void ResultListPresenter::fileSearched(std::string_view path) {
  if (!view_.stopRequested()) view_.setSearchFileCaption(path);
}

void ResultListPresenter::declaringFileStarted(std::int32_t index, std::int32_t count, std::string_view path) {
  file_ = index;
  fileCount_ = count;
  view_.setSourceFileCaption(path);
}

void ResultListPresenter::declarationStarted(std::string_view declaration) {
  view_.setPublicCaption(vb::cp1252ToUtf8(declaration));
}

void ResultListPresenter::verdict(const engine::Verdict& verdict) {
  view_.appendLine("    " + std::string(verdict.sourceFile));
  view_.appendLine("        " + vb::cp1252ToUtf8(verdict.declaration));
  view_.appendLine(verdict.usedInOwnFile ? "        Private" : "        Unused");
  view_.appendLine("");
  if (view_.autoScrollValue() != 1) return;
  // The blank closing line first brings the end of the list into view.
  view_.setListIndex(view_.listCount() - 1);
  view_.setListIndex(view_.listCount() - 3);
}

// Ticked during a run, AutoScroll catches up with the newest declaration.
void ResultListPresenter::autoScrollClicked(bool runOn) {
  if (view_.autoScrollValue() != 1 || !runOn) return;
  // The list may have been emptied during the run; then nothing is selected.
  const std::int32_t count = view_.listCount();
  view_.setListIndex(count >= 2 ? count - 2 : -1);
}

void ResultListPresenter::clockTick(Elapsed elapsed) {
  if (!view_.stopRequested()) showRunTime(elapsed);
}

void ResultListPresenter::runFinished(Elapsed elapsed) {
  file_ = fileCount_;
  endRun(elapsed);
}

void ResultListPresenter::runFailed(Elapsed elapsed) { endRun(elapsed); }

void ResultListPresenter::endRun(Elapsed elapsed) {
  showRunTime(elapsed);
  view_.setProcessingVisible(false);
  view_.setPublicCaption("");
  view_.setSearchFileCaption("");
  view_.setSourceFileCaption("");
}

void ResultListPresenter::showRunTime(Elapsed elapsed) {
  const std::int64_t seconds = elapsed.count() / 1000;
  if (seconds == shownSeconds_ && file_ == shownFile_) return;
  view_.setRunTimeCaption("Run Time: " + vb::formatElapsed(elapsed) + "  File: " + std::to_string(file_) + "/" +
                          std::to_string(fileCount_));
  shownSeconds_ = seconds;
  shownFile_ = file_;
}

}  // namespace forms
