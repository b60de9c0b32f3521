#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "platform/qt/printer_qt.h"
#include "runtime/vb_error.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/test_support.h"

namespace {

using test_support::PdfPage;
using test_support::readPdfPages;
using test_support::raisedVbError;
using Texts = std::vector<std::string>;

Texts textsOf(const PdfPage& page) {
  Texts texts;
  for (const auto& line : page.lines) texts.push_back(line.text);
  return texts;
}

class PrinterTest : public ::testing::Test {
 protected:
  test_support::TempDir dir_;
  std::filesystem::path pdf_ = dir_.path() / "printout.pdf";
  platform::QtPrinter printer_{pdf_};
};

TEST_F(PrinterTest, LinesFlowOntoNewPagesInOrder) {
  Texts expected;
  for (int n = 1000; n < 1250; ++n) {
    expected.push_back("Line " + std::to_string(n));
    printer_.printLine(expected.back());
  }
  printer_.endDoc();

  const std::vector<PdfPage> pages = readPdfPages(pdf_);
  ASSERT_GE(pages.size(), 3u);
  Texts printed;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    SCOPED_TRACE("page " + std::to_string(p + 1));
    ASSERT_FALSE(pages[p].lines.empty());
    EXPECT_NEAR(pages[p].lines.front().top, pages[0].lines.front().top, 0.01);
    EXPECT_LE(pages[p].lines.back().bottom, pages[p].height);
    if (p + 1 < pages.size()) {
      EXPECT_EQ(pages[p].lines.size(), pages[0].lines.size());
    }
    for (const auto& text : textsOf(pages[p])) printed.push_back(text);
  }
  EXPECT_EQ(printed, expected);
}

constexpr double kMarginPoints = 15 / 25.4 * 72;

// A line too long for the page goes on, indented past its own indent, on as
// many printed lines as it needs; nothing is cut off at the right edge, and
// every side keeps its margin.
TEST_F(PrinterTest, LongLinesWrapIndentedWithinTheMargins) {
  std::string declaration = "        Public Sub Report(";
  for (int n = 0; n < 30; ++n) declaration += "ByVal argument" + std::to_string(n) + " As Long, ";
  const std::string path = "    C:\\" + std::string(300, 'p') + "\\Module.bas";
  printer_.printLine("short line");
  printer_.printLine(declaration);
  printer_.printLine(path);
  printer_.endDoc();

  const std::vector<PdfPage> pages = readPdfPages(pdf_);
  ASSERT_EQ(pages.size(), 1u);
  const auto& lines = pages[0].lines;
  ASSERT_GE(lines.size(), 6u);
  std::string printed;
  for (const auto& line : lines) {
    SCOPED_TRACE(line.text);
    EXPECT_GE(line.left, kMarginPoints - 0.5);
    EXPECT_LE(line.right, pages[0].width - kMarginPoints + 0.5);
    EXPECT_GE(line.top, kMarginPoints - 0.5);
    EXPECT_LE(line.bottom, pages[0].height - kMarginPoints + 0.5);
    printed += line.text;
  }
  std::string expected = "short line" + declaration + path;
  std::erase(expected, ' ');
  std::erase(printed, ' ');
  EXPECT_EQ(printed, expected) << "every character printed once, in order";
  const double firstLeft = lines[0].left;
  EXPECT_GT(lines[1].left, firstLeft) << "the declaration's own indent";
  EXPECT_GT(lines[2].left, lines[1].left) << "its continuation indented further";
  EXPECT_NE(declaration.find(lines[1].text + " " + lines[2].text), std::string::npos)
      << "broken at a blank between words: " << lines[1].text << " / " << lines[2].text;
}

TEST_F(PrinterTest, DocumentWithoutLinesIsStillAJob) {
  printer_.endDoc();
  const auto pages = readPdfPages(pdf_);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].lines.empty());
}

TEST_F(PrinterTest, JobIsNamedAfterTheProgram) {
  printer_.printLine("Line");
  printer_.endDoc();
  EXPECT_EQ(test_support::readPdfTitle(pdf_), "Scopster");
}

TEST_F(PrinterTest, NextDocumentStartsAfreshAtTheTop) {
  printer_.printLine("First document");
  printer_.printLine("more of the first");
  printer_.endDoc();
  const double firstTop = readPdfPages(pdf_).at(0).lines.at(0).top;
  printer_.printLine("Caf\u00E9 \u20AC 5 \u201Cquoted\u201D \u0141\u00F3d\u017A");
  printer_.endDoc();
  const auto pages = readPdfPages(pdf_);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(textsOf(pages[0]), Texts{"Caf\u00E9 \u20AC 5 \u201Cquoted\u201D \u0141\u00F3d\u017A"});
  EXPECT_NEAR(pages[0].lines.at(0).top, firstTop, 0.01);
}

TEST_F(PrinterTest, NewFontAppliesToTheLinesThatFollow) {
  EXPECT_FALSE(printer_.fontName().empty());
  EXPECT_EQ(printer_.fontSize(), 10);
  for (const char* text : {"small one", "small two", "small three"}) printer_.printLine(text);
  printer_.setFontSize(20);
  printer_.setFontName("No Such Font");
  for (const char* text : {"large one", "large two", "large three"}) printer_.printLine(text);
  printer_.endDoc();
  EXPECT_EQ(printer_.fontName(), "No Such Font");

  const auto lines = readPdfPages(pdf_).at(0).lines;
  ASSERT_EQ(lines.size(), 6u);
  const double smallStep = lines[1].top - lines[0].top;
  EXPECT_NEAR(lines[2].top - lines[1].top, smallStep, 0.01);
  EXPECT_NEAR((lines[5].top - lines[4].top) / smallStep, 2.0, 0.1);
  EXPECT_NEAR((lines[3].bottom - lines[3].top) / (lines[0].bottom - lines[0].top), 2.0, 0.1);
}

TEST_F(PrinterTest, SizeThatIsNotPositiveIsRefused) {
  for (const double size : {0.0, -1.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(raisedVbError([&] { printer_.setFontSize(size); }), 380) << size;
  }
  EXPECT_EQ(printer_.fontSize(), 10);
}

TEST_F(PrinterTest, OutputThatCannotBeWrittenIsAPrinterError) {
  test_support::TempDir dir;
  dir.write("file", "a regular file");
  platform::QtPrinter printer(dir.path() / "file" / "printout.pdf");
  EXPECT_EQ(raisedVbError([&] { printer.printLine("lost"); }), vb::err::PrinterError);
  EXPECT_EQ(raisedVbError([&] { printer.printLine("lost again"); }), vb::err::PrinterError);
  EXPECT_EQ(raisedVbError([&] { printer.endDoc(); }), vb::err::PrinterError);
}

}  // namespace
