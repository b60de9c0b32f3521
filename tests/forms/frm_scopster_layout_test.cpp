#include <algorithm>

#include "tests/forms/scopster_form_fixture.h"

namespace {

using forms::ScopsterControl;

// The layout's arithmetic is checked in form_layout_test.cpp; here the form
// applies it to the view and enforces the minimum size: 4800 x 4000 twips
// outside at least, and wider where the widest run-time caption ("Run Time:
// 00:00:00  File: 32767/32767", 37 characters) needs more room beside the
// Analyse button: 37 x 90 twips take 5665 outside.
class FrmScopsterLayoutTest : public forms_test::ScopsterFormTest {};

TEST_F(FrmScopsterLayoutTest, ResizesAreRaisedToTheMinimumWidthFirstThenHeightAndLaidOut) {
  struct Case {
    float characterTwips, askedWidth, askedHeight, width, height;
  };
  const Case cases[] = {{50, 3000, 3000, 4800, 4000},
                        {50, 3000, 7000, 4800, 7000},
                        {50, 7000, 3000, 7000, 4000},
                        {90, 3000, 5000, 5665, 5000},
                        {150, 3000, 5000, 7885, 5000},
                        {50, 9120, 7700, 9120, 7700}};
  for (const Case& c : cases) {
    newForm();
    view->characterTwips = c.characterTwips;
    view->resizeOuter(c.askedWidth, c.askedHeight);
    EXPECT_EQ(view->outerWidth(), c.width) << c.characterTwips << " " << c.askedWidth;
    EXPECT_EQ(view->outerHeight(), c.height) << c.askedHeight;
    const forms::TwipsRect list = view->controlPlace(ScopsterControl::lstText);
    EXPECT_EQ(list.width, c.width - 120 - 480) << "laid out for the final size";
    EXPECT_EQ(view->controlPlace(ScopsterControl::lblSearchFile).top, list.top + list.height + 850);
    EXPECT_GE(view->controlPlace(ScopsterControl::lblRunTime).width, 37 * c.characterTwips);
    EXPECT_EQ(view->controlPlace(ScopsterControl::lblSource).left, 240) << "placed once, at its design place";
    // "Processing:" (11 characters) keeps its design width of 855 where that
    // holds it, and the file name starts 105 twips after it either way.
    const forms::TwipsRect processing = view->controlPlace(ScopsterControl::lblProcessing);
    const forms::TwipsRect sourceFile = view->controlPlace(ScopsterControl::lblSourceFile);
    EXPECT_EQ(processing.width, std::max(855.0F, 11 * c.characterTwips));
    EXPECT_GE(sourceFile.left, processing.left + processing.width + 105);
    // "A&utoScroll" grows the same way, and stays inside the window.
    const forms::TwipsRect autoScroll = view->controlPlace(ScopsterControl::chkAutoScroll);
    EXPECT_EQ(autoScroll.width, std::max(1095.0F, 11 * c.characterTwips));
    EXPECT_LE(autoScroll.left + autoScroll.width, view->clientWidth());
    const forms::TwipsRect publicName = view->controlPlace(ScopsterControl::lblPublic);
    EXPECT_EQ(sourceFile.left + sourceFile.width, publicName.left + publicName.width) << "it still ends where the row under it does";
  }
  view->isMinimized = true;
  view->resizeOuter(200, 200);
  EXPECT_EQ(view->controlPlace(ScopsterControl::lstText).width, 8520) << "a minimised window keeps its layout";
  EXPECT_EQ(errors.boxCount(), 0u);
}

}  // namespace
