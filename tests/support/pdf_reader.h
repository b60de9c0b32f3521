#pragma once
// The text lines of a PDF as poppler's pdftotext places them.

#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

// A line with its edges in points from the top left corner of its page.
struct PdfLine {
  std::string text;
  double top = 0;
  double bottom = 0;
  double left = 0;
  double right = 0;
};

struct PdfPage {
  double width = 0;
  double height = 0;
  std::vector<PdfLine> lines;
};

// Every page in order, each with its lines top to bottom (words sharing a top
// make one line). Texts must not hold the markup characters & < >.
std::vector<PdfPage> readPdfPages(const std::filesystem::path& pdf);

// The document title that pdfinfo reports, empty when there is none.
std::string readPdfTitle(const std::filesystem::path& pdf);

}  // namespace test_support
