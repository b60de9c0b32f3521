#include "platform/qt/printer_qt.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <utility>

#include "platform/application_info.h"
#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {

constexpr double kDefaultFontSize = 10;

// Fonts and paint devices need the GUI application.
bool haveGuiApplication() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

// The family the default font resolves to, named as installed.
std::string defaultFontName() {
  return haveGuiApplication() ? cp1252FromQString(QFontInfo(QFont()).family()) : std::string();
}

}  // namespace

QtPrinter::QtPrinter() : fontName_(defaultFontName()), fontSize_(kDefaultFontSize) {}

QtPrinter::QtPrinter(std::filesystem::path pdfFile) : QtPrinter() { pdfFile_ = std::move(pdfFile); }

QtPrinter::~QtPrinter() = default;

std::string QtPrinter::fontName() const { return fontName_; }

void QtPrinter::setFontName(std::string_view name) { fontName_ = std::string(name); }

double QtPrinter::fontSize() const { return fontSize_; }

void QtPrinter::setFontSize(double points) {
  if (!std::isfinite(points) || points <= 0) vb::raise(vb::err::InvalidPropertyValue);
  fontSize_ = points;
}

void QtPrinter::printLine(std::string_view text) {
  openDocumentIfClosed();
  QFont font(qStringFromCp1252(fontName_));
  font.setPointSizeF(fontSize_);
  painter_->setFont(font);
  const QFontMetricsF metrics(painter_->font(), printer_.get());
  startPageIfFull(metrics.height());
  painter_->drawText(QPointF(0, nextLineTop_ + metrics.ascent()), qStringFromCp1252(text));
  nextLineTop_ += metrics.lineSpacing();
}

void QtPrinter::endDoc() {
  openDocumentIfClosed();
  const bool ended = painter_->end();
  const bool failed = !ended || printer_->printerState() == QPrinter::Error;
  painter_.reset();
  printer_.reset();
  nextLineTop_ = 0;
  if (failed) vb::raise(vb::err::PrinterError);
}

void QtPrinter::openDocumentIfClosed() {
  if (painter_) return;
  if (!haveGuiApplication()) vb::raise(vb::err::PrinterError);
  auto printer = makePrinter();
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(printer.get())) vb::raise(vb::err::PrinterError);
  printer_ = std::move(printer);
  painter_ = std::move(painter);
  nextLineTop_ = 0;
}

std::unique_ptr<QPrinter> QtPrinter::makePrinter() const {
  std::unique_ptr<QPrinter> printer;
  if (pdfFile_) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(qStringFromPath(*pdfFile_));
  } else {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) vb::raise(vb::err::PrinterError);
    printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    if (!printer->isValid()) vb::raise(vb::err::PrinterError);
  }
  // The name the job carries in the print queue (and a PDF's title).
  printer->setDocName(qStringFromCp1252(ApplicationInfo::kTitle));
  return printer;
}

// A line that does not fit below the last one goes to a new page; a line taller
// than a whole page stays where it is rather than open empty pages for ever.
void QtPrinter::startPageIfFull(qreal lineHeight) {
  if (nextLineTop_ <= 0 || nextLineTop_ + lineHeight <= printer_->height()) return;
  if (!printer_->newPage()) vb::raise(vb::err::PrinterError);
  nextLineTop_ = 0;
}

}  // namespace platform
