#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "diagnostics/app_globals.h"
#include "platform/printer.h"
#include "runtime/vb_error.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"
#include "utilities/print_byline.h"

namespace {

namespace msgbox = diagnostics::msgbox;

// Records every call; the call equal to failOn fails `failures` times.
class RecordingPrinter : public platform::Printer {
 public:
  std::string fontName() const override { return font; }
  void setFontName(std::string_view name) override {
    record("font " + std::string(name));
    font = name;
  }
  double fontSize() const override { return size; }
  void setFontSize(double points) override {
    record("size " + std::to_string(static_cast<int>(points)));
    size = points;
  }
  void printLine(std::string_view text) override { record("line " + std::string(text)); }
  void endDoc() override { record("endDoc"); }

  std::string failOn;
  int failures = 0;
  std::vector<std::string> calls;
  std::string font = "Courier New";
  double size = 10;

 private:
  void record(const std::string& call) {
    calls.push_back(call);
    if (call == failOn && failures-- > 0) throw vb::VbError::standard(vb::err::PrinterError);
  }
};

const std::regex kNowLine(R"(line \d{1,2}:\d\d:\d\d( [AP]M)?    \d{1,4}[/.-]\d{1,2}[/.-]\d{1,4})");

struct BylineCase {
  std::int16_t size;
  std::string failOn;
  int answer;
  std::vector<std::string> calls;  // "<now>" stands for the time-and-date line
  std::string fontAfter;
  double sizeAfter;
};

TEST(BylineTest, PrintsEndsAndRestoresTheFont) {
  const std::vector<std::string> head{"font Arial", "line ", "line ", "line ", "line Scopster v0.916", "<now>",
                                      "line https://www.ombry.example/", "endDoc"};
  auto then = [&](std::vector<std::string> calls, std::initializer_list<std::string> more) {
    calls.insert(calls.end(), more);
    return calls;
  };
  std::vector<std::string> sized = then(head, {"font Courier New"});
  sized.insert(sized.begin() + 1, "size 14");
  const BylineCase cases[] = {
      {0, "", msgbox::Abort, then(head, {"font Courier New"}), "Courier New", 10},
      {14, "", msgbox::Abort, sized, "Courier New", 14},  // the size stays
      {0, "endDoc", msgbox::Abort, head, "Arial", 10},
      {0, "endDoc", msgbox::Retry, then(head, {"endDoc", "font Courier New"}), "Courier New", 10},
      {0, "line Scopster v0.916", msgbox::Ignore, then(head, {"font Courier New"}), "Courier New", 10},
  };
  const test_support::ProductTexts texts("", "Scopster v0.916");
  for (const auto& c : cases) {
    const std::string what = std::to_string(c.size) + " " + c.failOn + " " + std::to_string(c.answer);
    test_support::ScriptedErrorHandler handler(c.answer);
    RecordingPrinter printer;
    printer.failOn = c.failOn;
    printer.failures = 1;
    bool bError = false;
    utilities::gPrintBylineEndDoc(printer, c.size, bError);

    ASSERT_EQ(printer.calls.size(), c.calls.size()) << what;
    for (std::size_t i = 0; i < c.calls.size(); ++i) {
      if (c.calls[i] != "<now>") {
        EXPECT_EQ(printer.calls[i], c.calls[i]) << what;
        continue;
      }
      // The time first, four blanks, then the date.
      EXPECT_TRUE(std::regex_match(printer.calls[i], kNowLine)) << printer.calls[i];
    }
    EXPECT_EQ(printer.font, c.fontAfter) << what;
    EXPECT_EQ(printer.size, c.sizeAfter) << what;
    EXPECT_EQ(bError, c.answer == msgbox::Abort && !c.failOn.empty()) << what;
    EXPECT_EQ(handler.boxCount(), c.failOn.empty() ? 0U : 1U) << what;
    if (c.failOn == "endDoc") {
      EXPECT_EQ(handler.prompt(0), "Source: modPrintBylineEndDoc.gPrintBylineEndDoc.10\r\n\r\nPrinter error");
    }
  }
}

}  // namespace
