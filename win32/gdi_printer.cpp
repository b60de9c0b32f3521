#include "win32/gdi_printer.h"

#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/application_info.h"
#include "runtime/vb_error.h"
#include "win32/wide_text.h"

namespace win32 {

namespace {

constexpr double kDefaultFontSize = 10;
constexpr const char* kDefaultFontName = "Arial";
// Room left blank on every side of the page, whatever the printer's own
// minimum is, so that no line runs into the edge the paper is held by.
constexpr double kMarginMillimetres = 15;
constexpr double kMillimetresPerInch = 25.4;
// A continued line starts this many blanks further in than its own indent.
constexpr std::size_t kContinuationIndent = 4;

[[noreturn]] void raisePrinterError() { vb::raise(vb::err::PrinterError); }

class DefaultPrinterTarget : public PageTarget {
 public:
  ~DefaultPrinterTarget() override {
    if (context_ != nullptr) ::DeleteDC(context_);
  }

  HDC beginDocument() override {
    if (context_ != nullptr) ::DeleteDC(std::exchange(context_, nullptr));
    DWORD size = 0;
    ::GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
      throw vb::VbError(vb::err::PrinterError, "Printer error: no printer is the default");
    std::wstring name(size, L'\0');
    if (!::GetDefaultPrinterW(name.data(), &size)) raisePrinterError();
    context_ = ::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
    if (context_ == nullptr) raisePrinterError();
    const std::wstring title = wideFromCp1252(platform::ApplicationInfo::kTitle);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (::StartDocW(context_, &document) <= 0) raisePrinterError();
    return context_;
  }
  void beginPage() override {
    if (::StartPage(context_) <= 0) raisePrinterError();
  }
  void endPage() override {
    if (::EndPage(context_) <= 0) raisePrinterError();
  }
  void endDocument() override {
    if (::EndDoc(context_) <= 0) raisePrinterError();
  }
  void abandonDocument() override {
    if (context_ != nullptr) ::AbortDoc(context_);
  }

 private:
  HDC context_ = nullptr;
};

std::size_t leadingBlanks(std::wstring_view text) {
  const std::size_t first = text.find_first_not_of(L' ');
  return first == std::wstring_view::npos ? text.size() : first;
}

int marginPixels(HDC context, int pixelsPerInchIndex, int physicalOffsetIndex) {
  const double margin = kMarginMillimetres / kMillimetresPerInch * ::GetDeviceCaps(context, pixelsPerInchIndex);
  return std::max(0, static_cast<int>(std::lround(margin)) - ::GetDeviceCaps(context, physicalOffsetIndex));
}

// The printable area less the margins, relative to the printable area.
RECT pageArea(HDC context) {
  const int left = marginPixels(context, LOGPIXELSX, PHYSICALOFFSETX);
  const int top = marginPixels(context, LOGPIXELSY, PHYSICALOFFSETY);
  const int width = ::GetDeviceCaps(context, HORZRES);
  const int height = ::GetDeviceCaps(context, VERTRES);
  return {left, top, std::max(left + 1, width - left), std::max(top + 1, height - top)};
}

// How many characters of text fit into width, measuring no more than could
// fit, so that a huge line costs time in proportion to its length.
std::size_t fittingCount(HDC context, std::wstring_view text, int width) {
  const std::size_t measured = std::min<std::size_t>(text.size(), static_cast<std::size_t>(width) + 1);
  int fit = 0;
  SIZE size{};
  if (!::GetTextExtentExPointW(context, text.data(), static_cast<int>(measured), width, &fit, nullptr, &size))
    raisePrinterError();
  return static_cast<std::size_t>(std::max(fit, 0));
}

// The length of the first piece: after the last blank that fits, or as many
// characters as fit when no blank does; at least one character.
std::size_t pieceLength(HDC context, std::wstring_view text, int width) {
  const std::size_t fit = fittingCount(context, text, width);
  if (fit >= text.size()) return text.size();
  const std::size_t blank = text.substr(0, fit + 1).find_last_of(L' ');
  if (blank != std::wstring_view::npos && blank > 0) return blank + 1;
  return std::max<std::size_t>(fit, 1);
}

}  // namespace

std::unique_ptr<PageTarget> defaultPrinterTarget() { return std::make_unique<DefaultPrinterTarget>(); }

GdiPrinter::GdiPrinter(std::unique_ptr<PageTarget> target)
    : target_(std::move(target)), fontName_(kDefaultFontName), fontSize_(kDefaultFontSize) {}

GdiPrinter::~GdiPrinter() {
  if (context_ != nullptr) {
    try {
      endDoc();
    } catch (const vb::VbError&) {
      // A destructor cannot report; the job is dropped instead of left open.
      target_->abandonDocument();
    }
  }
  if (font_ != nullptr) ::DeleteObject(font_);
}

std::string GdiPrinter::fontName() const { return fontName_; }

void GdiPrinter::setFontName(std::string_view name) { fontName_ = std::string(name); }

double GdiPrinter::fontSize() const { return fontSize_; }

void GdiPrinter::setFontSize(double points) {
  if (!std::isfinite(points) || points <= 0) vb::raise(vb::err::InvalidPropertyValue);
  fontSize_ = points;
}

void GdiPrinter::printLine(std::string_view text) {
  openDocumentIfClosed();
  if (::SelectObject(context_, lineFont()) == nullptr) raisePrinterError();
  TEXTMETRICW metrics{};
  if (!::GetTextMetricsW(context_, &metrics)) raisePrinterError();
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const RECT area = pageArea(context_);
  const int width = area.right - area.left;
  const std::wstring wide = wideFromUtf8(text);
  std::wstring_view rest = wide;
  const std::size_t indentBlanks = leadingBlanks(rest) + kContinuationIndent;
  SIZE blank{};
  if (!::GetTextExtentPoint32W(context_, L" ", 1, &blank)) raisePrinterError();
  const int indent = static_cast<int>(std::min<long long>(width / 2, static_cast<long long>(indentBlanks) * blank.cx));
  int left = 0;
  do {
    const std::size_t length = pieceLength(context_, rest, width - left);
    printPiece(rest.substr(0, length), area.left + left, lineHeight);
    rest.remove_prefix(length);
    left = indent;
  } while (!rest.empty());
}

void GdiPrinter::printPiece(std::wstring_view piece, int left, int lineHeight) {
  const RECT area = pageArea(context_);
  // A line that does not fit below the last one goes to a new page; a line
  // taller than a whole page stays where it is rather than open empty pages.
  if (nextLineTop_ > 0 && area.top + nextLineTop_ + lineHeight > area.bottom) {
    target_->endPage();
    pageOpen_ = false;
    nextLineTop_ = 0;
  }
  if (!pageOpen_) {
    target_->beginPage();
    pageOpen_ = true;
    if (::SelectObject(context_, lineFont()) == nullptr) raisePrinterError();
  }
  if (!::TextOutW(context_, left, area.top + nextLineTop_, piece.data(), static_cast<int>(piece.size())))
    raisePrinterError();
  nextLineTop_ += lineHeight;
}

// The font of the current name and size at the printer's resolution, made
// again only when either changed.
HFONT GdiPrinter::lineFont() {
  if (font_ != nullptr && fontNameMade_ == fontName_ && fontSizeMade_ == fontSize_) return font_;
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(fontSize_ * ::GetDeviceCaps(context_, LOGPIXELSY) / 72.0));
  const std::wstring face = wideFromCp1252(fontName_).substr(0, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), font.lfFaceName);
  font.lfCharSet = DEFAULT_CHARSET;
  HFONT made = ::CreateFontIndirectW(&font);
  if (made == nullptr) raisePrinterError();
  if (font_ != nullptr) {
    ::SelectObject(context_, ::GetStockObject(SYSTEM_FONT));
    ::DeleteObject(font_);
  }
  font_ = made;
  fontNameMade_ = fontName_;
  fontSizeMade_ = fontSize_;
  return font_;
}

void GdiPrinter::endDoc() {
  openDocumentIfClosed();
  HDC context = std::exchange(context_, nullptr);
  const bool pageOpen = std::exchange(pageOpen_, false);
  nextLineTop_ = 0;
  if (font_ != nullptr) {
    ::SelectObject(context, ::GetStockObject(SYSTEM_FONT));
    ::DeleteObject(std::exchange(font_, nullptr));
  }
  if (pageOpen) target_->endPage();
  target_->endDocument();
}

void GdiPrinter::openDocumentIfClosed() {
  if (context_ != nullptr) return;
  context_ = target_->beginDocument();
  nextLineTop_ = 0;
  pageOpen_ = false;
}

}  // namespace win32
