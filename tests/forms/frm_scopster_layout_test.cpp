#include "tests/forms/scopster_form_fixture.h"

namespace {

using forms::ScopsterControl;

// The layout's arithmetic is checked in form_layout_test.cpp; here the form
// applies it to the view and enforces the minimum size.
class FrmScopsterLayoutTest : public forms_test::ScopsterFormTest {
 protected:
  forms::TwipsRect place(ScopsterControl control) const { return view->controlPlace(control); }
};

TEST_F(FrmScopsterLayoutTest, ResizingMovesTheControlsToTheirNewPlaces) {
  newForm();
  view->resizeOuter(9120, 7700);  // a client area of 9000 x 7000
  const forms::TwipsRect list = place(ScopsterControl::lstText);
  EXPECT_EQ(list.left, 240);
  EXPECT_EQ(list.width, 8520);
  EXPECT_EQ(list.height, 5400);
  const forms::TwipsRect button = place(ScopsterControl::cmdAnalyse);
  EXPECT_EQ(button.top, 5980) << "the button follows the list's height";
  EXPECT_EQ(button.left, 7345) << "the button follows the width";
  EXPECT_EQ(place(ScopsterControl::lblSearchFile).top, 6730);
  EXPECT_EQ(place(ScopsterControl::txtSource).width, 6425);
  EXPECT_EQ(place(ScopsterControl::lblSource).left, 240) << "placed once, at its design place";

  view->isMinimized = true;
  view->resizeOuter(200, 200);
  EXPECT_EQ(place(ScopsterControl::lstText).width, 8520) << "a minimised window keeps its layout";
  EXPECT_EQ(view->clientW, 80);
  EXPECT_EQ(errors.boxCount(), 0u);
}

// 4800 x 4000 twips outside at least, and wider where the widest run-time
// caption ("Run Time: 00:00:00  File: 32767/32767", 37 characters) needs more
// room beside the Analyse button: 37 x 90 twips take 5665 outside.
TEST_F(FrmScopsterLayoutTest, TooSmallIsRaisedToTheMinimumWidthFirstThenHeight) {
  struct Case {
    float characterTwips, askedWidth, askedHeight, width, height;
  };
  const Case cases[] = {{50, 3000, 3000, 4800, 4000},
                        {50, 3000, 7000, 4800, 7000},
                        {50, 7000, 3000, 7000, 4000},
                        {90, 3000, 5000, 5665, 5000}};
  for (const Case& c : cases) {
    newForm();
    view->characterTwips = c.characterTwips;
    view->resizeOuter(c.askedWidth, c.askedHeight);
    EXPECT_EQ(view->outerWidth(), c.width) << c.characterTwips << " " << c.askedWidth;
    EXPECT_EQ(view->outerHeight(), c.height) << c.askedHeight;
    EXPECT_EQ(place(ScopsterControl::lstText).width, c.width - 120 - 480) << "laid out for the final size";
    EXPECT_GE(place(ScopsterControl::lblRunTime).width, 37 * c.characterTwips);
  }
  EXPECT_EQ(errors.boxCount(), 0u);
}

}  // namespace
