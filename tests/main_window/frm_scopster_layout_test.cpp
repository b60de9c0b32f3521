#include <QScreen>
#include <QTest>

#include <map>

#include "tests/main_window/window_fixture.h"

namespace {

using window_test::WindowTest;

const char* const kLaidOut[] = {"lstText",       "cmdAnalyse", "chkAutoScroll", "txtSource",     "lblRunTime",
                                "lblProcessing", "lblSourceFile", "lblPublic",  "lblSearchFile", "lblSource"};

class LayoutTest : public WindowTest {
 protected:
  void SetUp() override {
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
  std::map<std::string, QRect> places() {
    std::map<std::string, QRect> result;
    for (const char* name : kLaidOut) result[name] = control<QWidget>(name).geometry();
    return result;
  }
  // How far each control moved and grew between two layouts.
  std::map<std::string, QRect> change(const std::map<std::string, QRect>& before) {
    std::map<std::string, QRect> result;
    for (const auto& [name, now] : places()) {
      const QRect& was = before.at(name);
      result[name] = QRect(now.x() - was.x(), now.y() - was.y(), now.width() - was.width(),
                           now.height() - was.height());
    }
    return result;
  }
};

TEST_F(LayoutTest, ListFillsTheWindowAndTheOtherControlsFollowIt) {
  resizeOuter(500, 420);
  const QRect list = control<QWidget>("lstText").geometry();
  EXPECT_EQ(list.topLeft(), QPoint(16, 32));
  EXPECT_EQ(control<QWidget>("client").width() - list.right() - 1, 16);

  auto before = places();
  resizeOuter(500 + 90, 420);
  const QRect wider(90, 0, 0, 0), widened(0, 0, 90, 0), still(0, 0, 0, 0);
  const std::map<std::string, QRect> widening{
      {"lstText", widened},      {"cmdAnalyse", wider},     {"chkAutoScroll", wider}, {"txtSource", widened},
      {"lblRunTime", widened},   {"lblProcessing", still},  {"lblSourceFile", widened}, {"lblPublic", widened},
      {"lblSearchFile", widened}, {"lblSource", still}};
  EXPECT_EQ(change(before), widening);

  before = places();
  resizeOuter(500 + 90, 420 + 60);
  const QRect lower(0, 60, 0, 0), taller(0, 0, 0, 60);
  const std::map<std::string, QRect> heightening{
      {"lstText", taller},      {"cmdAnalyse", lower},    {"chkAutoScroll", still}, {"txtSource", still},
      {"lblRunTime", lower},    {"lblProcessing", lower}, {"lblSourceFile", lower}, {"lblPublic", lower},
      {"lblSearchFile", lower}, {"lblSource", still}};
  EXPECT_EQ(change(before), heightening);
}

TEST_F(LayoutTest, TooSmallIsRaisedToTheMinimumWidthFirstThenHeight) {
  // 4800 x 4000 twips: 320 pixels, and the 267 that first cover 4000.
  struct Case {
    QSize asked;
    QSize outer;
  };
  const Case cases[] = {{{200, 200}, {320, 267}},
                        {{200, 500}, {320, 500}},
                        {{500, 200}, {500, 267}},
                        {{320, 267}, {320, 267}}};
  for (const Case& c : cases) {
    resizeOuter(c.asked.width(), c.asked.height());
    EXPECT_EQ(window->frameGeometry().size(), c.outer) << c.asked.width() << "x" << c.asked.height();
    const QRect list = control<QWidget>("lstText").geometry();
    EXPECT_EQ(control<QWidget>("client").width() - list.right() - 1, 16) << "laid out for the final size";
  }
  EXPECT_EQ(errors.boxCount(), 0u);
}

// The stored place is the frame's position and the window's own size, in
// twips.
TEST_F(WindowTest, StartUpRestoresAUsablePlacementAndCentresOtherwise) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, const char*>> stored;
    bool centred;
    QRect place;
  };
  const Case cases[] = {
      {"nothing stored", {}, true, {}},
      {"on screen",
       {{"Left", "1500"}, {"Top", "1200"}, {"Width", "7500"}, {"Height", "6000"}},
       false,
       {100, 80, 500, 400}},
      {"at the corner", {{"Left", "0"}, {"Top", "0"}}, false, {0, 0, 500, 400}},
      {"left too near the right edge", {{"Left", "11900"}}, true, {}},
      {"top above the screen", {{"Left", "1500"}, {"Top", "-60"}}, true, {}},
  };
  const QSize design = newWindow().size();
  for (const Case& c : cases) {
    for (const auto& [suffix, value] : c.stored) store.put(std::string("frmScopster.") + suffix, value);
    loadedWindow();
    const QRect place(window->frameGeometry().topLeft(), window->size());
    if (c.centred) {
      const QSize screen = window->screen()->geometry().size();
      const QPoint centred((screen.width() - design.width()) / 2, (screen.height() - design.height()) / 2);
      EXPECT_EQ(place, QRect(centred, design)) << c.what;
    } else {
      EXPECT_EQ(place, c.place) << c.what;
    }
  }
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(WindowTest, ClosingStoresThePlacementUnlessMinimised) {
  loadedWindow();
  window->move(120, 90);
  window->resize(450, 380);
  window->close();
  EXPECT_EQ(store.value("frmScopster.Left"), "1800");
  EXPECT_EQ(store.value("frmScopster.Height"), "5700");

  loadedWindow();
  window->showMinimized();
  store.writes.clear();
  window->close();
  EXPECT_EQ(store.writes, (std::vector<std::string>{"UserRegion", "txtSource", "chkAutoScroll"}));
}

}  // namespace
