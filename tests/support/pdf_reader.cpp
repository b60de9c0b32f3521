#include "tests/support/pdf_reader.h"

#include <QProcess>
#include <QString>

#include <cmath>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace test_support {

namespace {

// Started with an argument vector: the path never passes through a shell.
std::string popplerOutput(const QString& program, const QStringList& arguments) {
  QProcess poppler;
  poppler.start(program, arguments);
  if (!poppler.waitForFinished(60000) || poppler.exitStatus() != QProcess::NormalExit || poppler.exitCode() != 0)
    throw std::runtime_error(program.toStdString() + " failed (poppler-utils installed?)");
  return poppler.readAllStandardOutput().toStdString();
}

std::string pdftotextBoxes(const std::filesystem::path& pdf) {
  return popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-q"), QStringLiteral("-bbox"),
                                                     QString::fromStdString(pdf.string()), QStringLiteral("-")});
}

void addWord(PdfPage& page, const PdfLine& word) {
  if (!page.lines.empty() && std::abs(page.lines.back().top - word.top) < 0.01) {
    page.lines.back().text += " " + word.text;
    page.lines.back().right = word.right;
  } else {
    page.lines.push_back(word);
  }
}

}  // namespace

std::vector<PdfPage> readPdfPages(const std::filesystem::path& pdf) {
  static const std::regex pageTag(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
  static const std::regex wordTag(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">(.*)</word>)re");
  std::istringstream output(pdftotextBoxes(pdf));
  std::vector<PdfPage> pages;
  std::smatch match;
  for (std::string line; std::getline(output, line);) {
    if (std::regex_search(line, match, pageTag)) {
      pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
    } else if (std::regex_search(line, match, wordTag) && !pages.empty()) {
      addWord(pages.back(), {match[5], std::stod(match[2]), std::stod(match[4]), std::stod(match[1]), std::stod(match[3])});
    }
  }
  return pages;
}

std::string readPdfTitle(const std::filesystem::path& pdf) {
  static const std::regex titleLine(R"re(^Title: *(.*)$)re");
  std::istringstream output(popplerOutput(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())}));
  std::smatch match;
  for (std::string line; std::getline(output, line);)
    if (std::regex_search(line, match, titleLine)) return match[1];
  return {};
}

}  // namespace test_support
