#pragma once
// What the analysis run needs from its window. Texts are Windows-1252 bytes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One reported declaration, as tools other than the window want it.
struct Verdict {
  std::string_view project;            // as typed
  std::string_view sourceFile;         // as the project lists it
  std::filesystem::path openedFile;    // the file read for it
  std::int32_t line = 0;               // of the declaration in its file, from 1
  std::string_view declaration;        // the whole line
  std::vector<std::string> names;      // every name the line declares, in order
  bool usedInOwnFile = false;          // "Private"; otherwise "Unused"
};

class RunView {
 public:
  virtual ~RunView() = default;

  // txtSource
  virtual std::string sourceText() const = 0;

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
  virtual std::string runTimeCaption() const = 0;
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

  // The reported declaration behind each result group; the window has its list.
  virtual void reportVerdict(const Verdict&) {}
  // A project or source file with LF line ends and no CR LF, read while lines
  // end at CR only: its lines run together, so its results mean little.
  virtual void warnLineEnds(std::string_view /*file*/) {}
};

}  // namespace engine
