#pragma once
// The main window as its form logic sees it: the project path, the result
// list, AutoScroll and the progress labels. Texts cross into the widgets as
// UTF-8 and come back as Windows-1252 bytes.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/result_list_view.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace widgets {
class VbCheckBox;
}

namespace main_window {

class ResultList;

// The window's controls the run reads and writes; the window owns them all.
struct RunControls {
  QWidget* window = nullptr;
  QLineEdit* txtSource = nullptr;
  ResultList* lstText = nullptr;
  widgets::VbCheckBox* chkAutoScroll = nullptr;
  QLabel* lblRunTime = nullptr;
  QLabel* lblProcessing = nullptr;
  QLabel* lblSourceFile = nullptr;
  QLabel* lblPublic = nullptr;
  QLabel* lblSearchFile = nullptr;
};

class WindowRunView : public forms::ResultListView {
 public:
  // stopRequested asks the form, on every check; yield lets the window's
  // pending events run.
  WindowRunView(const RunControls& controls, std::function<bool()> stopRequested, std::function<void()> yield);

  void clearList() override;
  void appendLine(std::string_view line) override;
  std::int32_t listCount() const override;
  // Raises Invalid property value (380) for a line that does not exist. The
  // move shows at the next yield or repaint, or at showListMoves.
  void setListIndex(std::int32_t index) override;
  std::int16_t autoScrollValue() const override;
  void setRunTimeCaption(std::string_view caption) override;
  void setProcessingVisible(bool visible) override;
  void setSourceFileCaption(std::string_view caption) override;
  void setPublicCaption(std::string_view caption) override;
  void setSearchFileCaption(std::string_view caption) override;
  void repaint() override;
  void yield() override;
  bool stopRequested() const override;

  // What the window's own commands need besides the run.
  std::string sourceText() const;
  void setSourceText(std::string_view text);
  std::string listLine(std::int32_t index) const;
  // Makes the list's selection and scroll position follow the moves made
  // since the last time.
  void showListMoves();

 private:
  // A progress label and the text it shows, so that an unchanged text costs
  // nothing: the run sets them far more often than they change.
  struct ProgressLabel {
    QLabel* label = nullptr;
    std::string caption;
  };
  static void setCaption(ProgressLabel& label, std::string_view caption);

  RunControls controls_;
  ProgressLabel runTime_;
  ProgressLabel sourceFile_;
  ProgressLabel publicName_;
  ProgressLabel searchFile_;
  std::function<bool()> stopRequested_;
  std::function<void()> yield_;
  // A move in the list view first lays out every row added since the last
  // layout, so a move for each result group would cost the length of the
  // list each time. Moves wait here for the layout a paint needs anyway; the
  // last two are all that a paint can show (the end brought into view, then
  // the line selected).
  std::vector<std::int32_t> pendingMoves_;
};

}  // namespace main_window
