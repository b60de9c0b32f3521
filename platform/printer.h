#pragma once
// The default printer as the program uses it: a current font, one printed line
// at a time with automatic page breaks, and an explicit end of document.

#include <string>
#include <string_view>

namespace platform {

class Printer {
 public:
  virtual ~Printer() = default;
  virtual std::string fontName() const = 0;
  virtual void setFontName(std::string_view name) = 0;
  virtual double fontSize() const = 0;
  virtual void setFontSize(double points) = 0;
  // Prints one line (UTF-8 text) and moves to the next; opens the
  // document on first output. Raises VbError 482 "Printer error" on failure.
  virtual void printLine(std::string_view text) = 0;
  // Sends the document to the printer. Raises VbError 482 on failure.
  virtual void endDoc() = 0;
};

}  // namespace platform
