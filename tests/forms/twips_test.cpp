#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "forms/twips.h"
#include "runtime/vb_error.h"
#include "tests/support/test_support.h"

namespace {

using forms::pixelsToTwips;
using forms::twipsToPixels;

TEST(TwipsTest, ConvertsAtTheLogicalDpiRoundingToNearest) {
  struct Case {
    float twips;
    double dpi;
    int pixels;
  };
  const Case toPixels[] = {{15, 96, 1},   {7, 96, 0},      {7.5f, 96, 1},  {-8, 96, -1},
                           {5400, 96, 360}, {240, 120, 20}, {1440, 72, 72}};
  for (const auto& c : toPixels) EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips;
  const Case toTwips[] = {{15, 96, 1}, {240, 120, 20}, {30, 144, 3}, {92, 110, 7}, {-30, 96, -2}};
  for (const auto& c : toTwips) EXPECT_EQ(pixelsToTwips(c.pixels, c.dpi), c.twips) << c.pixels;
}

// A value that does not fit is reported, never wrapped into a wrong place.
TEST(TwipsTest, ResultOutOfRangeIsAnOverflow) {
  using test_support::raisedVbError;
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  EXPECT_EQ(raisedVbError([] { twipsToPixels(1e30f, 96); }), vb::err::Overflow);
  EXPECT_EQ(raisedVbError([&] { twipsToPixels(kInfinity, 96); }), vb::err::Overflow);
  EXPECT_EQ(raisedVbError([] { pixelsToTwips(std::numeric_limits<int>::max(), 1e-30); }), vb::err::Overflow);
}

}  // namespace
