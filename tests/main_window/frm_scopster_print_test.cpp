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
  main_window::WindowOptions given = options();
  given.printer = main_window::defaultPrinter;
  newWindow(std::move(given));
  addListLine("a line");
  action("mnuFilePrint").trigger();
  ASSERT_EQ(errors.boxCount(), 1u);
  EXPECT_NE(errors.log().find("frmScopster.mnuFilePrint_Click.1"), std::string::npos);
  EXPECT_NE(errors.log().find("ErrNo: 482  Printer error: no printer is installed"), std::string::npos);
  EXPECT_NE(errors.prompt(0).find("\r\n\r\nPrinter error: no printer is installed"), std::string::npos);
}

// Each line meets the failed printer again; Ignore goes on to the next line
// and its box, Abort ends the printing at once.
TEST_F(FrmScopsterPrintTest, AfterAFailedPrinterEachLineAsksAgainUntilAbort) {
  namespace mb = diagnostics::msgbox;
  struct Case {
    std::vector<int> answers;  // then Abort
    std::size_t boxes;
  };
  const Case cases[] = {{{}, 1}, {{mb::Ignore}, 2}, {{mb::Ignore, mb::Ignore, mb::Ignore}, 4}};
  for (const Case& c : cases) {
    main_window::WindowOptions given = options();
    given.printer = []() -> std::unique_ptr<platform::Printer> { vb::raise(vb::err::PrinterError); };
    newWindow(std::move(given));
    for (const char* line : {"one", "two", "three", "four", "five", "six"}) addListLine(line);
    const std::size_t before = errors.boxCount();
    for (const int answer : c.answers) errors.dialogs().queueAnswer(answer);
    action("mnuFilePrint").trigger();
    EXPECT_EQ(errors.boxCount() - before, c.boxes) << c.answers.size();
  }
  EXPECT_FALSE(std::filesystem::exists(pdf()));
}

}  // namespace
