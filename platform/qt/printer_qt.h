#pragma once
// The printer over QPrinter and QPainter: the system's default printer, or a
// PDF file in its place.

#include <QtGlobal>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/printer.h"

class QPainter;
class QPrinter;

namespace platform {

// Raises Printer error (482) with the cause in its text: no printer is
// installed, or none is the default.
[[noreturn]] void raiseNoDefaultPrinter();

class QtPrinter : public Printer {
 public:
  // The system's default printer, looked up when a document opens: without one,
  // printing raises VbError 482.
  QtPrinter();
  // A PDF file, written when the document ends.
  explicit QtPrinter(std::filesystem::path pdfFile);
  // A document still open is sent, as at the end of a program.
  ~QtPrinter() override;
  QtPrinter(const QtPrinter&) = delete;
  QtPrinter& operator=(const QtPrinter&) = delete;

  // The name as set, whether or not such a font is installed.
  std::string fontName() const override;
  void setFontName(std::string_view name) override;
  double fontSize() const override;
  // Raises VbError 380 for a size that is not a positive number.
  void setFontSize(double points) override;
  void printLine(std::string_view text) override;
  void endDoc() override;

 private:
  void openDocumentIfClosed();
  std::unique_ptr<QPrinter> makePrinter() const;
  void startPageIfFull(qreal lineHeight);

  std::optional<std::filesystem::path> pdfFile_;
  std::string fontName_;  // Windows-1252
  double fontSize_;
  // Declared in this order so that the painter ends before its printer goes.
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  qreal nextLineTop_ = 0;  // device pixels below the top of the printable area
};

}  // namespace platform
