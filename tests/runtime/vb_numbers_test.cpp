#include <gtest/gtest.h>

#include "runtime/codepage.h"
#include "runtime/vb_error.h"
#include "runtime/vb_numbers.h"
#include "runtime/vb_time.h"
#include "tests/support/test_support.h"

namespace {

using test_support::raisedVbError;

TEST(VbNumbersTest, IntegerConversionChecksRange) {
  EXPECT_EQ(vb::CInt(std::int64_t{32767}), 32767);
  EXPECT_EQ(vb::CInt(std::int64_t{-32768}), -32768);
  EXPECT_EQ(raisedVbError([] { (void)vb::CInt(std::int64_t{32768}); }), 6);
  EXPECT_EQ(raisedVbError([] { (void)vb::CLng(std::int64_t{2147483648LL}); }), 6);
}

struct TextCase {
  const char* text;
  std::int32_t value;  // expected value when error is 0
  std::int32_t error;
};

TEST(VbNumbersTest, TextConversionRoundsHalfToEvenAndRejectsNonNumbers) {
  const TextCase cases[] = {
      {"1", 1, 0},      {" 42 ", 42, 0},   {"-7", -7, 0},     {"2.5", 2, 0},  {"3.5", 4, 0},
      {"-2.5", -2, 0},  {"1200", 1200, 0}, {"", 0, 13},       {"abc", 0, 13}, {"1x", 0, 13},
      {"40000", 0, 6},  {"-", 0, 13},      {"1e3", 1000, 0},
  };
  for (const auto& c : cases) {
    if (c.error == 0) EXPECT_EQ(vb::CInt(std::string_view(c.text)), c.value) << c.text;
    else EXPECT_EQ(raisedVbError([&] { (void)vb::CInt(std::string_view(c.text)); }), c.error) << c.text;
  }
  EXPECT_EQ(vb::CLng(std::string_view("40000")), 40000);
}

TEST(VbNumbersTest, ElapsedTimeIsAlwaysTwoDigitHoursMinutesSeconds) {
  using std::chrono::milliseconds;
  EXPECT_EQ(vb::formatElapsed(milliseconds(0)), "00:00:00");
  EXPECT_EQ(vb::formatElapsed(milliseconds(67'000)), "00:01:07");
  EXPECT_EQ(vb::formatElapsed(milliseconds(67'999)), "00:01:07");
  EXPECT_EQ(vb::formatElapsed(milliseconds(25LL * 3600 * 1000)), "25:00:00");  // no wrap at midnight
}

TEST(VbNumbersTest, Windows1252RoundTripsThroughUtf8) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(vb::utf8ToCp1252(vb::cp1252ToUtf8(all)), all);
  EXPECT_EQ(vb::cp1252ToUtf8("\x80"), "\xE2\x82\xAC");   // euro sign
  EXPECT_EQ(vb::cp1252ToUtf8("\x81"), "\xC2\x81");       // hole maps to the C1 control
  EXPECT_EQ(vb::cp1252ToUtf8("\xE9"), "\xC3\xA9");
  EXPECT_EQ(vb::utf8ToCp1252("\xE4\xB8\xAD"), "?");      // not in the code page
  EXPECT_EQ(vb::utf8ToCp1252("a\xFF" "b"), "a?b");       // malformed byte
}

}  // namespace
