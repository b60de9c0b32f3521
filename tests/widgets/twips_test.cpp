#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "widgets/twips.h"
#include "runtime/vb_error.h"

namespace {

using widgets::pixelsToTwips;
using widgets::twipsToPixels;

TEST(Twips, ConvertsAtTheLogicalDpiRoundingToNearest) {
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

TEST(Twips, UnusableInputIsReported) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const std::pair<void (*)(), int> cases[] = {
      {[] { twipsToPixels(15, 0); }, vb::err::InvalidProcedureCall},
      {[] { pixelsToTwips(1, -96); }, vb::err::InvalidProcedureCall},
      {[] { twipsToPixels(1e30f, 96); }, vb::err::Overflow},
      {[] { twipsToPixels(kInfinity, 96); }, vb::err::Overflow},
      {[] { pixelsToTwips(std::numeric_limits<int>::max(), 1e-30); }, vb::err::Overflow},
  };
  for (const auto& [call, number] : cases) {
    try {
      call();
      ADD_FAILURE() << "accepted; expected error " << number;
    } catch (const vb::VbError& failure) {
      EXPECT_EQ(failure.number(), number);
    }
  }
}

}  // namespace
