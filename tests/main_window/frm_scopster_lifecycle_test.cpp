#include <QApplication>
#include <QScreen>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"
#include "widgets/vb_check_box.h"
#include "tests/support/scoped_environment.h"
#include "tests/engine/project_fixture.h"
#include "tests/main_window/window_fixture.h"

namespace {

class FrmScopsterLifecycleTest : public window_test::WindowTest {};

// Centred, to the pixel that twips-to-pixel rounding allows.
void expectCentred(const QWidget& window, const char* what) {
  const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
  EXPECT_LE(std::abs(offset.x()), 2) << what;
  EXPECT_LE(std::abs(offset.y()), 2) << what;
}

bool splashShowing() {
  for (const QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == "frmSplash" && window->isVisible()) return true;
  return false;
}

// A real window's lifetime in a locale without a calling code: it starts
// quietly and centred, and comes back where it was closed, as it was left.
TEST_F(FrmScopsterLifecycleTest, TheWindowComesBackWhereAndAsItWasClosed) {
  test_support::ScopedEnvironment environment;
  environment.set("LC_TELEPHONE", "C");
  loadedWindow();
  EXPECT_FALSE(splashShowing());
  expectCentred(*window, "C");
  EXPECT_EQ(window->focusWidget(), &control<QPushButton>("cmdAnalyse"));
  control<widgets::VbCheckBox>("chkAutoScroll").setValue(1);
  errors.dialogs().queueFile("C:\\P\\One.vbp");
  action("mnuFileOpenProject").trigger();
  window->move(120, 90);
  window->close();

  loadedWindow();
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(120, 90));
  EXPECT_EQ(control<QLineEdit>("txtSource").text(), "C:\\P\\One.vbp");
  EXPECT_EQ(control<widgets::VbCheckBox>("chkAutoScroll").checkState(), Qt::Checked);
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(FrmScopsterLifecycleTest, AWindowClosedMaximisedOrMinimisedOpensCentredAtItsDesignSize) {
  const QSize designSize = newWindow().size();
  struct Case {
    const char* what;
    void (QWidget::*show)();
    const char* storedLeft;
  };
  // Minimised first: it stores nothing, so the store is still empty then.
  const Case cases[] = {{"minimised", &QWidget::showMinimized, "<absent>"}, {"maximised", &QWidget::showMaximized, "-60"}};
  for (const Case& c : cases) {
    loadedWindow();
    (window.get()->*c.show)();
    QCoreApplication::processEvents();
    window->close();
    EXPECT_EQ(store.value("frmScopster.Left"), c.storedLeft) << c.what;

    loadedWindow();
    EXPECT_EQ(window->size(), designSize) << c.what;
    expectCentred(*window, c.what);
    EXPECT_FALSE(window->isMaximized()) << c.what;
  }
  EXPECT_EQ(errors.boxCount(), 0u);
}

}  // namespace
