#include "tests/platform/pdf_reader.h"

#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace platform_test {

namespace {

std::string popplerOutput(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) throw std::runtime_error("cannot start " + command);
  std::string output;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
  if (pclose(pipe) != 0) throw std::runtime_error("failed (poppler-utils installed?): " + command);
  return output;
}

std::string pdftotextBoxes(const std::filesystem::path& pdf) {
  return popplerOutput("pdftotext -q -bbox '" + pdf.string() + "' -");
}

void addWord(PdfPage& page, const std::string& word, double top, double bottom) {
  if (!page.lines.empty() && std::abs(page.lines.back().top - top) < 0.01) {
    page.lines.back().text += " " + word;
  } else {
    page.lines.push_back({word, top, bottom});
  }
}

}  // namespace

std::vector<PdfPage> readPdfPages(const std::filesystem::path& pdf) {
  static const std::regex pageTag(R"re(<page width="[0-9.]+" height="([0-9.]+)">)re");
  static const std::regex wordTag(R"re(<word xMin="[0-9.]+" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">(.*)</word>)re");
  std::istringstream output(pdftotextBoxes(pdf));
  std::vector<PdfPage> pages;
  std::smatch match;
  for (std::string line; std::getline(output, line);) {
    if (std::regex_search(line, match, pageTag)) {
      pages.push_back({std::stod(match[1]), {}});
    } else if (std::regex_search(line, match, wordTag) && !pages.empty()) {
      addWord(pages.back(), match[3], std::stod(match[1]), std::stod(match[2]));
    }
  }
  return pages;
}

std::string readPdfTitle(const std::filesystem::path& pdf) {
  static const std::regex titleLine(R"re(^Title: *(.*)$)re");
  std::istringstream output(popplerOutput("pdfinfo '" + pdf.string() + "'"));
  std::smatch match;
  for (std::string line; std::getline(output, line);)
    if (std::regex_search(line, match, titleLine)) return match[1];
  return {};
}

}  // namespace platform_test
