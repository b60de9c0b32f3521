#include <gtest/gtest.h>

#include "runtime/vb_error.h"
#include "runtime/vb_strings.h"

namespace {

struct MidCase {
  const char* text;
  std::int64_t start;
  std::int64_t length;  // -1: no length argument
  const char* expected;
};

TEST(VbStrings, MidFollowsVbRules) {
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

TEST(VbStrings, InStrFollowsVbRules) {
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

TEST(VbStrings, LeftAndRightClampAndRefuseNegativeLengths) {
  EXPECT_EQ(vb::Left("Public", 3), "Pub");
  EXPECT_EQ(vb::Left("Pub", 10), "Pub");
  EXPECT_EQ(vb::Right("modA.bas", 3), "bas");
  EXPECT_EQ(vb::Right("ab", 10), "ab");
  const auto raisesFive = [](auto call) {
    try {
      call();
    } catch (const vb::VbError& e) {
      return e.number() == 5 && e.description() == "Invalid procedure call or argument";
    }
    return false;
  };
  EXPECT_TRUE(raisesFive([] { (void)vb::Left("abc", -1); }));
  EXPECT_TRUE(raisesFive([] { (void)vb::Right("abc", -1); }));
  EXPECT_TRUE(raisesFive([] { (void)vb::Mid("abc", 1, -1); }));
  EXPECT_TRUE(raisesFive([] { (void)vb::Mid("abc", 0); }));
  EXPECT_TRUE(raisesFive([] { (void)vb::InStr(0, "abc", "a"); }));
}

}  // namespace
