#pragma once
// The printer over GDI: a document of pages on a device context, one
// TextOutW per printed line, long lines broken to the page's width.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/printer.h"

namespace win32 {

// Where the pages go. The printer's own opens a print job on the default
// printer; a test's may keep each page as a metafile.
class PageTarget {
 public:
  virtual ~PageTarget() = default;
  // Starts the document; returns the context to draw on. Raises Printer
  // error (482) when there is none.
  virtual HDC beginDocument() = 0;
  virtual void beginPage() = 0;
  virtual void endPage() = 0;
  virtual void endDocument() = 0;
  // Drops a document that failed half-way.
  virtual void abandonDocument() = 0;
};

// The default printer; the job is named after the program.
std::unique_ptr<PageTarget> defaultPrinterTarget();

class GdiPrinter : public platform::Printer {
 public:
  explicit GdiPrinter(std::unique_ptr<PageTarget> target);
  // A document still open is sent, as at the end of a program.
  ~GdiPrinter() override;
  GdiPrinter(const GdiPrinter&) = delete;
  GdiPrinter& operator=(const GdiPrinter&) = delete;

  std::string fontName() const override;
  void setFontName(std::string_view name) override;
  double fontSize() const override;
  // Raises Invalid property value (380) for a size that is not a positive number.
  void setFontSize(double points) override;
  void printLine(std::string_view text) override;
  void endDoc() override;

 private:
  void openDocumentIfClosed();
  void printPiece(std::wstring_view piece, int left, int lineHeight);
  HFONT lineFont();

  std::unique_ptr<PageTarget> target_;
  std::string fontName_;  // Windows-1252
  double fontSize_;
  HDC context_ = nullptr;
  HFONT font_ = nullptr;
  std::string fontNameMade_;
  double fontSizeMade_ = 0;
  int nextLineTop_ = 0;  // device pixels below the printable area's top
  bool pageOpen_ = false;
};

}  // namespace win32
