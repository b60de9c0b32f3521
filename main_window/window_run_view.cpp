#include "main_window/window_run_view.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

#include "main_window/result_list.h"
#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"
#include "widgets/vb_check_box.h"

namespace main_window {

namespace {
constexpr std::size_t kShownMoves = 2;
}  // namespace

WindowRunView::WindowRunView(const RunControls& controls, std::function<bool()> stopRequested,
                             std::function<void()> yield)
    : controls_(controls),
      runTime_{controls.lblRunTime, {}},
      sourceFile_{controls.lblSourceFile, {}},
      publicName_{controls.lblPublic, {}},
      searchFile_{controls.lblSearchFile, {}},
      stopRequested_(std::move(stopRequested)),
      yield_(std::move(yield)) {}

std::string WindowRunView::sourceText() const { return controls_.txtSource->text().toStdString(); }

void WindowRunView::setSourceText(std::string_view text) {
  controls_.txtSource->setText(QString::fromStdString(std::string(text)));
}

void WindowRunView::clearList() {
  pendingMoves_.clear();
  controls_.lstText->clear();
}

void WindowRunView::appendLine(std::string_view line) {
  controls_.lstText->addItem(QString::fromStdString(std::string(line)));
}

std::int32_t WindowRunView::listCount() const { return controls_.lstText->count(); }

std::string WindowRunView::listLine(std::int32_t index) const {
  return controls_.lstText->item(index)->text().toStdString();
}

// -1 selects nothing; a line that does not exist is refused, as the list box
// refuses it.
void WindowRunView::setListIndex(std::int32_t index) {
  if (index < -1 || index >= listCount()) vb::raise(vb::err::InvalidPropertyValue);
  if (pendingMoves_.size() == kShownMoves) pendingMoves_.erase(pendingMoves_.begin());
  pendingMoves_.push_back(index);
}

void WindowRunView::showListMoves() {
  if (pendingMoves_.empty()) return;
  ResultList& list = *controls_.lstText;
  for (const std::int32_t index : pendingMoves_) {
    if (index == -1) list.clearSelection();
    list.setCurrentRow(index);
  }
  pendingMoves_.clear();
}

std::int16_t WindowRunView::autoScrollValue() const { return controls_.chkAutoScroll->value(); }

void WindowRunView::setCaption(ProgressLabel& label, std::string_view caption) {
  if (label.caption == caption) return;
  label.caption = caption;
  label.label->setText(QString::fromStdString(std::string(caption)));
}

void WindowRunView::setRunTimeCaption(std::string_view caption) { setCaption(runTime_, caption); }

void WindowRunView::setProcessingVisible(bool visible) { controls_.lblProcessing->setHidden(!visible); }

void WindowRunView::setSourceFileCaption(std::string_view caption) { setCaption(sourceFile_, caption); }

void WindowRunView::setPublicCaption(std::string_view caption) { setCaption(publicName_, caption); }

void WindowRunView::setSearchFileCaption(std::string_view caption) { setCaption(searchFile_, caption); }

void WindowRunView::repaint() {
  controls_.lstText->layOutNewRows();
  showListMoves();
  controls_.window->repaint();
}

void WindowRunView::yield() {
  controls_.lstText->layOutNewRows();
  showListMoves();
  yield_();
}

bool WindowRunView::stopRequested() const { return stopRequested_(); }

}  // namespace main_window
