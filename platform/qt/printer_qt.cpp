#include "platform/qt/printer_qt.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>
#include <utility>

#include "platform/application_info.h"
#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {

constexpr double kDefaultFontSize = 10;
// Room left blank on every side of the page, whatever the printer's own
// minimum is, so that no line runs into the edge the paper is held by.
constexpr qreal kMarginMillimetres = 15;
// A continued line starts this many blanks further in than its own indent.
constexpr int kContinuationIndent = 4;

// One printed line of a text that may take several.
struct PrintedPiece {
  QString text;
  qreal left = 0;  // device pixels right of the printable area's left edge
};

// The blanks a line starts with.
qsizetype leadingBlanks(const QString& text) {
  qsizetype count = 0;
  while (count < text.size() && text.at(count) == u' ') ++count;
  return count;
}

// The pieces of text as the printable width holds them: broken after a word
// where one fits, anywhere in a word that alone is too wide. Every piece but
// the first is indented past the line's own indent.
std::vector<PrintedPiece> wrapToWidth(const QString& text, const QFont& font, QPaintDevice& device, qreal width) {
  const QFontMetricsF metrics(font, &device);
  const qreal indent = std::min(width / 2, metrics.horizontalAdvance(QString(leadingBlanks(text) + kContinuationIndent, u' ')));
  QTextLayout layout(text, font, &device);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  std::vector<PrintedPiece> pieces;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    const qreal left = pieces.empty() ? 0 : indent;
    line.setLineWidth(width - left);
    pieces.push_back({text.mid(line.textStart(), line.textLength()), left});
  }
  layout.endLayout();
  if (pieces.empty()) pieces.push_back({text, 0});
  return pieces;
}

// Fonts and paint devices need the GUI application.
bool haveGuiApplication() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

// The family the default font resolves to, named as installed.
std::string defaultFontName() {
  return haveGuiApplication() ? cp1252FromQString(QFontInfo(QFont()).family()) : std::string();
}

}  // namespace

void raiseNoDefaultPrinter() {
  const bool installed = !QPrinterInfo::availablePrinterNames().isEmpty();
  throw vb::VbError(vb::err::PrinterError, installed ? "Printer error: no printer is the default"
                                                     : "Printer error: no printer is installed");
}

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
  const QString line = QString::fromStdString(std::string(text));
  for (const PrintedPiece& piece : wrapToWidth(line, painter_->font(), *printer_, printer_->width())) {
    startPageIfFull(metrics.height());
    painter_->drawText(QPointF(piece.left, nextLineTop_ + metrics.ascent()), piece.text);
    nextLineTop_ += metrics.lineSpacing();
  }
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
    if (defaultPrinter.isNull()) raiseNoDefaultPrinter();
    printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    if (!printer->isValid()) vb::raise(vb::err::PrinterError);
  }
  // A printer that needs wider margins than these keeps its own.
  printer->setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                          QPageLayout::Millimeter);
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
