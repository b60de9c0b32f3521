#pragma once
// The result list and the progress labels of the main window, as its form
// logic drives them. Texts are UTF-8.

#include <cstdint>
#include <string_view>

namespace forms {

class ResultListView {
 public:
  virtual ~ResultListView() = default;

  // lstText
  virtual void clearList() = 0;
  virtual void appendLine(std::string_view line) = 0;
  virtual std::int32_t listCount() const = 0;
  // Selects a line (0-based); -1 selects nothing.
  virtual void setListIndex(std::int32_t index) = 0;

  // chkAutoScroll: 1 ticked, 0 clear, 2 greyed.
  virtual std::int16_t autoScrollValue() const = 0;

  // The progress labels.
  virtual void setRunTimeCaption(std::string_view caption) = 0;
  virtual void setProcessingVisible(bool visible) = 0;
  virtual void setSourceFileCaption(std::string_view caption) = 0;
  virtual void setPublicCaption(std::string_view caption) = 0;
  virtual void setSearchFileCaption(std::string_view caption) = 0;

  // Paints the window at once.
  virtual void repaint() = 0;
  // Lets pending window events run (Stop, closing, AutoScroll...).
  virtual void yield() = 0;
  // mbStop: a stop of the run has been requested.
  virtual bool stopRequested() const = 0;
};

}  // namespace forms
