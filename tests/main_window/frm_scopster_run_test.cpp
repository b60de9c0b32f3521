#include <QImage>
#include <QLabel>
#include <QTest>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <functional>

#include "widgets/vb_check_box.h"
#include "tests/engine/project_fixture.h"
#include "tests/main_window/window_fixture.h"

namespace {

class FrmScopsterRunTest : public window_test::WindowTest {
 protected:
  void SetUp() override { newWindow(); }
  // A module declaring count names that nothing uses, and a second module.
  std::string unusedDeclarations(int count) {
    std::string module;
    for (int i = 0; i < count; ++i) module += "Public Unused" + std::to_string(i) + "_ As Long\r\n";
    project.write("a.bas", module);
    project.write("b.bas", "' nothing\r\n");
    return project.write("P.vbp", engine_test::crlf({"Module=a; a.bas", "Module=b; b.bas"}));
  }
  QPushButton& button() { return control<QPushButton>("cmdAnalyse"); }
  widgets::VbCheckBox& autoScroll() { return control<widgets::VbCheckBox>("chkAutoScroll"); }
  bool processingShown() { return !control<QLabel>("lblProcessing").isHidden(); }
  void analyse(const std::string& path) {
    control<QLineEdit>("txtSource").setText(QString::fromStdString(path));
    button().click();
  }
  // Queues action for the first yield after the list has reached lines.
  void whenListReaches(int lines, std::function<void()> action) {
    QObject::connect(list().model(), &QAbstractItemModel::rowsInserted, window.get(),
                     [this, lines, action = std::move(action), done = false]() mutable {
                       if (done || list().count() != lines) return;
                       done = true;
                       QTimer::singleShot(0, window.get(), action);
                     });
  }

  engine_test::ProjectFixture project;
};

// A path from the browse dialog that Windows-1252 cannot spell goes through the
// source box to the run, the list and the recent files as itself.
TEST_F(FrmScopsterRunTest, ProjectsUnderAnyNameRunFromTheBrowseDialog) {
  for (const std::string name : {"\u0141\u00F3d\u017A", "\u0395\u03BB\u03BB\u03AC\u03B4\u03B1", "\u65E5\u672C\u8A9E"}) {
    SCOPED_TRACE(name);
    const std::string module = project.write(name + "/m.bas", "Public Sub Gr\xFC\xDF()\r\nEnd Sub\r\n");
    const std::string path = project.write(name + "/" + name + ".vbp", "Module=m; m.bas\r\n");
    errors.dialogs().queueFile(path);
    action("mnuFileOpenProject").trigger();
    button().click();
    EXPECT_EQ(listLines(), (std::vector<std::string>{path, "    " + module, "        Public Sub Gr\u00FC\u00DF()",
                                                     "        Unused", ""}));
    EXPECT_EQ(store.value("mnuFileLastFile1"), "&1 " + path);
  }
}

// A selection move lays out the rows added since the last layout: done for
// every result group, a run costs the square of its length. The list is laid
// out once for each paint of the window instead, and ends scrolled down with
// the newest declaration selected.
TEST_F(FrmScopsterRunTest, AutoScrollLaysTheListOutOnlyToPaintIt) {
  newWindow([this] {
    forms::ScopsterServices given = options();
    given.yieldInterval = std::chrono::hours(1);  // no yield after the first
    return given;
  });
  window->show();
  const std::string path = unusedDeclarations(300);
  autoScroll().setValue(1);
  int layouts = 0;
  QObject::connect(list().verticalScrollBar(), &QScrollBar::rangeChanged, [&layouts] { ++layouts; });
  analyse(path);
  EXPECT_LT(layouts, 10) << "laid out for each of 300 results";
  EXPECT_EQ(list().currentRow(), list().count() - 3);
  EXPECT_EQ(list().verticalScrollBar()->value(), list().verticalScrollBar()->maximum());
  EXPECT_GT(list().verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(errors.boxCount(), 0u);
}

// Pixels darker than the list's background, in one band of its viewport.
int inkIn(const QImage& image, int top, int bottom) {
  int ink = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++ink;
  return ink;
}

// What a user sees mid-run: the project line at the top and the rows that
// have arrived, painted as they arrive rather than at the end.
TEST_F(FrmScopsterRunTest, ResultsArePaintedWhileTheRunGoesOn) {
  const std::string path = unusedDeclarations(400);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  std::vector<int> topInk;
  std::vector<int> allInk;
  for (const int lines : {9, 41, 201}) {
    whenListReaches(lines, [&] {
      const QImage shot = list().viewport()->grab().toImage();
      const int rowHeight = list().fontMetrics().height();
      topInk.push_back(inkIn(shot, 0, rowHeight));
      allInk.push_back(inkIn(shot, 0, shot.height()));
    });
  }
  analyse(path);
  ASSERT_EQ(topInk.size(), 3u);
  for (std::size_t i = 0; i < topInk.size(); ++i) {
    EXPECT_GT(topInk[i], 20) << "project line not painted, grab " << i;
    EXPECT_GT(allInk[i], topInk[i] + 20) << "result rows not painted, grab " << i;
  }
  EXPECT_EQ(errors.boxCount(), 0u);
}

}  // namespace
