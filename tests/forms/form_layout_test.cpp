#include <gtest/gtest.h>

#include "forms/form_layout.h"
#include "runtime/vb_error.h"
#include "tests/support/test_support.h"

namespace {

using forms::FormGeometry;
using forms::TwipsRect;
using Rect = TwipsRect FormGeometry::*;
using Field = float TwipsRect::*;

constexpr float kDesignWidth = 6000;  // the client area of the design
constexpr float kDesignHeight = 5010;

FormGeometry laidOut(float innerWidth, float innerHeight) {
  FormGeometry g = forms::designGeometry();
  forms::layoutControls(g, innerWidth, innerHeight);
  return g;
}

// Every control with where the layout puts it at the design size, and whether
// each value follows a change of the client width (w) or height (h).
struct Expected {
  const char* name;
  Rect rect;
  TwipsRect atDesignSize;
  const char* follows[4];  // left, top, width, height
};
const Expected kControls[] = {
    {"lstText", &FormGeometry::lstText, {240, 480, 5520, 3410}, {"", "", "w", "h"}},
    {"cmdAnalyse", &FormGeometry::cmdAnalyse, {4345, 3990, 1215, 375}, {"w", "h", "", ""}},
    {"chkAutoScroll", &FormGeometry::chkAutoScroll, {4585, 120, 1095, 255}, {"w", "", "", ""}},
    {"txtSource", &FormGeometry::txtSource, {960, 120, 3425, 285}, {"", "", "w", ""}},
    {"lblRunTime", &FormGeometry::lblRunTime, {360, 3990, 3785, 255}, {"", "h", "w", ""}},
    {"lblProcessing", &FormGeometry::lblProcessing, {360, 4240, 855, 255}, {"", "h", "", ""}},
    {"lblSourceFile", &FormGeometry::lblSourceFile, {1320, 4240, 2825, 255}, {"", "h", "w", ""}},
    {"lblPublic", &FormGeometry::lblPublic, {1320, 4490, 2825, 200}, {"", "h", "w", ""}},
    {"lblSearchFile", &FormGeometry::lblSearchFile, {1320, 4740, 2825, 200}, {"", "h", "w", ""}},
    {"lblSource", &FormGeometry::lblSource, {240, 120, 735, 255}, {"", "", "", ""}},
};
constexpr Field kFields[] = {&TwipsRect::left, &TwipsRect::top, &TwipsRect::width,
                             &TwipsRect::height};

TEST(FormLayoutTest, DesignSizeAndResizedLayouts) {
  struct Change {
    float dw, dh;
  };
  for (const Change change : {Change{0, 0}, {1, 0}, {12000, 0}, {-1200, 0}, {0, 730}, {0, -1010},
                              {250, 9000}}) {
    const FormGeometry g = laidOut(kDesignWidth + change.dw, kDesignHeight + change.dh);
    for (const auto& control : kControls)
      for (int i = 0; i < 4; ++i) {
        const std::string follows = control.follows[i];
        const float shift = follows == "w" ? change.dw : follows == "h" ? change.dh : 0;
        EXPECT_EQ((g.*control.rect).*kFields[i], control.atDesignSize.*kFields[i] + shift)
            << control.name << " value " << i << " with client " << change.dw << "/"
            << change.dh << " off the design size";
      }
  }
}

TEST(FormLayoutTest, OverflowIsRaisedAndLeavesTheFailingControlAsItWas) {
  struct Case {
    const char* what;
    void (*prepare)(FormGeometry&);
    Rect failing;
  };
  const Case cases[] = {
      {"twice the list's top", [](FormGeometry& g) { g.lstText.top = 3e38f; }, &FormGeometry::lstText},
      {"a later row", [](FormGeometry& g) { g.chkAutoScroll.width = g.txtSource.left = 3e38f; },
       &FormGeometry::txtSource},
  };
  for (const auto& c : cases) {
    FormGeometry g = forms::designGeometry();
    c.prepare(g);
    const TwipsRect before = g.*c.failing;
    EXPECT_EQ(test_support::raisedVbError([&] { forms::layoutControls(g, kDesignWidth, kDesignHeight); }),
              vb::err::Overflow)
        << c.what;
    for (const Field field : kFields) EXPECT_EQ((g.*c.failing).*field, before.*field) << c.what;
  }
}

}  // namespace
