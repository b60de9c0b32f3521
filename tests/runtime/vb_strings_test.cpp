#include <gtest/gtest.h>

#include "runtime/vb_error.h"
#include "runtime/vb_strings.h"
#include "tests/support/test_support.h"

namespace {

struct MidCase {
  const char* text;
  std::int64_t start;
  std::int64_t length;  // -1: no length argument
  const char* expected;
};

TEST(VbStringsTest, MidFollowsVbRules) {
  const MidCase cases[] = {
      {"Public Sub Main()", 8, 3, "Sub"},
      {"Public Sub Main()", 12, -1, "Main()"},
      {"abc", 4, -1, ""},     // past the end
      {"abc", 99, 5, ""},
      {"abc", 2, 99, "bc"},   // length past the end
      {"abc", 1, 0, ""},
      {"", 1, -1, ""},
  };
  for (const auto& c : cases) {
    const auto got = c.length < 0 ? vb::Mid(c.text, c.start) : vb::Mid(c.text, c.start, c.length);
    EXPECT_EQ(got, c.expected) << c.text << " " << c.start << " " << c.length;
  }
}

struct InStrCase {
  std::int64_t start;
  const char* text;
  const char* find;
  std::int64_t expected;
};

TEST(VbStringsTest, InStrFollowsVbRules) {
  const InStrCase cases[] = {
      {1, "Call Foo", "Foo", 6},
      {7, "Call Foo", "Foo", 0},
      {9, "Call Foo", "o", 0},  // start past the end
      {1, "", "", 0},           // empty text gives 0 even for an empty find
      {3, "abc", "", 3},        // empty find gives start
      {1, "abcabc", "c", 3},
      {4, "abcabc", "c", 6},
      {1, "foo", "Foo", 0},     // case matters
  };
  for (const auto& c : cases)
    EXPECT_EQ(vb::InStr(c.start, c.text, c.find), c.expected) << c.text << "/" << c.find << "@" << c.start;
}

TEST(VbStringsTest, LeftAndRightClampAndRefuseNegativeLengths) {
  EXPECT_EQ(vb::Left("Public", 3), "Pub");
  EXPECT_EQ(vb::Left("Pub", 10), "Pub");
  EXPECT_EQ(vb::Right("modA.bas", 3), "bas");
  EXPECT_EQ(vb::Right("ab", 10), "ab");
  using test_support::raisedVbError;
  constexpr auto kInvalidCall = vb::err::InvalidProcedureCall;
  EXPECT_EQ(raisedVbError([] { (void)vb::Left("abc", -1); }), kInvalidCall);
  EXPECT_EQ(raisedVbError([] { (void)vb::Right("abc", -1); }), kInvalidCall);
  EXPECT_EQ(raisedVbError([] { (void)vb::Mid("abc", 1, -1); }), kInvalidCall);
  EXPECT_EQ(raisedVbError([] { (void)vb::Mid("abc", 0); }), kInvalidCall);
  EXPECT_EQ(raisedVbError([] { (void)vb::InStr(0, "abc", "a"); }), kInvalidCall);
}

}  // namespace
