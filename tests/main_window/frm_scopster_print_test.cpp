#include <QPrinterInfo>

#include <regex>

#include "diagnostics/app_globals.h"
#include "diagnostics/dialogs.h"
#include "runtime/vb_error.h"
#include "main_window/default_printer.h"
#include "tests/main_window/window_fixture.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/product_texts.h"

namespace {

class FrmScopsterPrintTest : public window_test::WindowTest {};

// The printed lines as pdftotext reads them: words joined by one blank,
// blank lines gone.
std::vector<std::string> printedLines(const std::filesystem::path& pdf) {
  std::vector<std::string> lines;
  for (const auto& page : test_support::readPdfPages(pdf))
    for (const auto& line : page.lines) lines.push_back(line.text);
  return lines;
}

TEST_F(FrmScopsterPrintTest, PrintSendsEveryLineOfTheListThenTheByline) {
  const test_support::ProductTexts texts("", "Scopster v0.916");
  newWindow();
  struct Case {
    const char* what;
    std::vector<std::string> list;
    std::vector<std::string> printed;
  };
  const Case cases[] = {
      {"results",
       {"C:\\Proj\\P.vbp", "    C:\\Proj\\a.bas", "        Public Sub Go()", "        Unused", ""},
       {"C:\\Proj\\P.vbp", "C:\\Proj\\a.bas", "Public Sub Go()", "Unused"}},
      {"empty list", {}, {}},
  };
  for (const Case& c : cases) {
    list().clear();
    for (const std::string& line : c.list) addListLine(line);
    action("mnuFilePrint").trigger();
    std::vector<std::string> printed = printedLines(pdf());
    ASSERT_EQ(printed.size(), c.printed.size() + 3) << c.what;
    EXPECT_EQ(std::vector<std::string>(printed.begin(), printed.end() - 3), c.printed) << c.what;
    EXPECT_EQ(printed[c.printed.size()], "Scopster v0.916") << c.what;
    EXPECT_TRUE(std::regex_search(printed[c.printed.size() + 1], std::regex(R"(\d+:\d\d:\d\d)"))) << c.what;
    EXPECT_EQ(printed.back(), "https://www.ombry.example/") << c.what;
  }
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(FrmScopsterPrintTest, PrintWithoutAPrinterIsReportedOnceWithItsCause) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  newWindow([this] {
    forms::ScopsterServices given = options();
    given.printer = main_window::defaultPrinter;
    return given;
  });
  addListLine("a line");
  action("mnuFilePrint").trigger();
  ASSERT_EQ(errors.boxCount(), 1u);
  EXPECT_NE(errors.log().find("frmScopster.mnuFilePrint_Click.1"), std::string::npos);
  EXPECT_NE(errors.log().find("ErrNo: 482  Printer error: no printer is installed"), std::string::npos);
  EXPECT_NE(errors.prompt(0).find("\r\n\r\nPrinter error: no printer is installed"), std::string::npos);
}

}  // namespace
