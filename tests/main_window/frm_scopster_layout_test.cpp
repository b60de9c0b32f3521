#include <QFont>
#include <QLabel>
#include <QTest>

#include <string>
#include <vector>

#include "tests/main_window/window_fixture.h"

namespace {

// The layout's arithmetic is checked in twips (form_layout_test.cpp); here the
// window applies it and enforces its minimum size, in pixels at 96 dpi.
class FrmScopsterLayoutTest : public window_test::WindowTest {
 protected:
  void showNewWindow() {
    newWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_EQ(window->logicalDpiX(), 96);  // a pixel is 15 twips
  }
  void resizeOuter(int width, int height) {
    const QSize decorations = window->frameGeometry().size() - window->size();
    window->resize(width - decorations.width(), height - decorations.height());
    QCoreApplication::processEvents();
  }
  // The list keeps 240 twips to the client's right edge at any size.
  int listRightMargin() const {
    return control<QWidget>("client").width() - control<QWidget>("lstText").geometry().right() - 1;
  }
};

TEST_F(FrmScopsterLayoutTest, ResizingMovesTheControlsToTheirNewPlaces) {
  showNewWindow();
  resizeOuter(590, 480);
  EXPECT_EQ(control<QWidget>("lstText").geometry().topLeft(), QPoint(16, 32));
  EXPECT_EQ(listRightMargin(), 16);
  const QRect list = control<QWidget>("lstText").geometry();
  const QRect button = control<QWidget>("cmdAnalyse").geometry();
  EXPECT_EQ(button.top(), list.bottom() + 1 + 7) << "the button follows the list's height";
  EXPECT_EQ(button.right(), list.right() - 13) << "the button follows the width";
  EXPECT_EQ(errors.boxCount(), 0u);
}

// Wider fonts raise the minimum width until the widest run-time caption fits
// beside the Analyse button.
TEST_F(FrmScopsterLayoutTest, TheMinimumWidthLeavesRoomForTheWidestRunTimeCaption) {
  showNewWindow();
  auto& runTime = control<QLabel>("lblRunTime");
  const QString widest = QStringLiteral("Run Time: 00:00:00  File: 32767/32767");
  struct Case {
    int pixelSize;
    bool raised;
  };
  for (const Case c : {Case{5, false}, Case{12, true}, Case{16, true}}) {
    QFont font = runTime.font();
    font.setPixelSize(c.pixelSize);
    runTime.setFont(font);
    resizeOuter(200, 200);
    const int outer = window->frameGeometry().width();
    EXPECT_EQ(outer > 320, c.raised) << c.pixelSize;
    EXPECT_GE(runTime.width(), runTime.fontMetrics().horizontalAdvance(widest)) << c.pixelSize;
    EXPECT_LT(runTime.geometry().right(), control<QWidget>("cmdAnalyse").x()) << c.pixelSize;
    resizeOuter(outer - 1, 300);
    EXPECT_EQ(window->frameGeometry().width(), outer) << "nothing narrower " << c.pixelSize;
  }
  EXPECT_EQ(errors.boxCount(), 0u);
}

}  // namespace
