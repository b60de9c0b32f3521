#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_support.h"
#include "win32/gdi_printer.h"
#include "win32/wide_text.h"

namespace {

// Wine here has no printer, so the pages go into a metafile in place of the
// print job: every TextOutW is kept with its place, and each page is marked.
struct PrintedText {
  int x, y;
  std::wstring text;
};
using Page = std::vector<PrintedText>;

constexpr char kPageStart[] = "page";

class MetafilePages : public win32::PageTarget {
 public:
  ~MetafilePages() override {
    if (metafile_ != nullptr) ::DeleteEnhMetaFile(metafile_);
  }
  HDC beginDocument() override {
    context_ = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    if (context_ == nullptr) throw std::runtime_error("no metafile");
    pageHeight_ = ::GetDeviceCaps(context_, VERTRES);
    return context_;
  }
  void beginPage() override { ::GdiComment(context_, sizeof kPageStart, reinterpret_cast<const BYTE*>(kPageStart)); }
  void endPage() override {}
  void endDocument() override { metafile_ = ::CloseEnhMetaFile(context_); }
  void abandonDocument() override { endDocument(); }

  int pageHeight() const { return pageHeight_; }
  std::vector<Page> pages() const {
    std::vector<Page> pages;
    ::EnumEnhMetaFile(nullptr, metafile_, &MetafilePages::record, &pages, nullptr);
    return pages;
  }

 private:
  static int CALLBACK record(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto& pages = *reinterpret_cast<std::vector<Page>*>(data);
    if (record->iType == EMR_GDICOMMENT) pages.emplace_back();
    if (record->iType == EMR_EXTTEXTOUTW && !pages.empty()) {
      const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
      const auto* characters = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                                text->emrtext.offString);
      pages.back().push_back({text->emrtext.ptlReference.x, text->emrtext.ptlReference.y,
                              std::wstring(characters, text->emrtext.nChars)});
    }
    return 1;
  }

  HDC context_ = nullptr;
  HENHMETAFILE metafile_ = nullptr;
  int pageHeight_ = 0;
};

struct PrintOut {
  std::vector<Page> pages;
  int pageHeight;
};

PrintOut print(const std::vector<std::string>& lines) {
  auto target = std::make_unique<MetafilePages>();
  const MetafilePages& pages = *target;
  win32::GdiPrinter printer(std::move(target));
  for (const std::string& line : lines) printer.printLine(line);
  printer.endDoc();
  return {pages.pages(), pages.pageHeight()};
}

// Lines run down the page at one spacing, from the same top on every page;
// none crosses the bottom margin, and none is lost or repeated.
TEST(GdiPrinterTest, LinesFillPagesInOrderWithinTheMargins) {
  std::vector<std::string> lines;
  for (int i = 0; i < 300; ++i) lines.push_back("line " + std::to_string(i));
  const PrintOut out = print(lines);
  ASSERT_GE(out.pages.size(), 3U);
  std::vector<std::wstring> printed;
  for (const Page& page : out.pages) {
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.front().y, out.pages.front().front().y);
    EXPECT_GT(page.front().x, 0);
    for (std::size_t i = 1; i < page.size(); ++i) EXPECT_EQ(page[i].y - page[i - 1].y, page[1].y - page[0].y);
    EXPECT_LT(page.back().y, out.pageHeight - page.front().y);
    for (const PrintedText& text : page) printed.push_back(text.text);
  }
  EXPECT_EQ(out.pages.front().size(), out.pages[1].size());
  ASSERT_EQ(printed.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(printed[i], win32::wideFromCp1252(lines[i]));
}

// A line wider than the page goes on below, indented, broken after a word
// where one fits and inside a word too long for a line; nothing is dropped.
TEST(GdiPrinterTest, LongLinesBreakIndentedWithoutLosingText) {
  std::string words = "  Public Sub";
  for (int i = 0; i < 200; ++i) words += " Word" + std::to_string(i);
  const std::string oneWord(20000, 'x');
  for (const std::string& line : {words, oneWord}) {
    const PrintOut out = print({line});
    std::wstring joined;
    std::size_t pieces = 0;
    for (const Page& page : out.pages)
      for (const PrintedText& piece : page) {
        if (pieces++ > 0) {
          EXPECT_GT(piece.x, out.pages.front().front().x);
        }
        joined += piece.text;
      }
    EXPECT_GT(pieces, 2U);
    EXPECT_EQ(joined, win32::wideFromCp1252(line));
  }
}

TEST(GdiPrinterTest, MissingPrinterIsAPrinterError) {
  class NoPrinter : public MetafilePages {
   public:
    HDC beginDocument() override { throw vb::VbError(vb::err::PrinterError, "Printer error"); }
  };
  win32::GdiPrinter printer(std::make_unique<NoPrinter>());
  EXPECT_EQ(test_support::raisedVbError([&] { printer.printLine("x"); }), vb::err::PrinterError);
}

}  // namespace
