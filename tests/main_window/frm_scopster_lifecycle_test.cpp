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

// C, C.UTF-8 and POSIX name no calling code; they are a region like any other.
TEST_F(FrmScopsterLifecycleTest, LocalesWithoutACallingCodeStartAndCloseQuietlyAndKeepTheSettings) {
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
  EXPECT_EQ(store.value("UserRegion"), "C");
  EXPECT_EQ(store.value("chkAutoScroll"), "1");

  struct Lifetime {
    const char* locale;
    std::size_t boxes;
    const char* region;
  };
  const Lifetime lifetimes[] = {{"C.UTF-8", 0, "C"}, {"POSIX", 0, "C"}, {"en_GB.UTF-8", 1, "44"}, {"en_GB.UTF-8", 0, "44"}};
  for (const Lifetime& lifetime : lifetimes) {
    environment.set("LC_TELEPHONE", lifetime.locale);
    const std::size_t boxesBefore = errors.boxCount();
    loadedWindow();
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(120, 90)) << lifetime.locale;
    EXPECT_EQ(control<QLineEdit>("txtSource").text(), "C:\\P\\One.vbp") << lifetime.locale;
    EXPECT_EQ(control<widgets::VbCheckBox>("chkAutoScroll").value(), 1) << lifetime.locale;
    ASSERT_EQ(errors.boxCount() - boxesBefore, lifetime.boxes) << lifetime.locale;
    if (lifetime.boxes != 0) {
      EXPECT_EQ(errors.prompt(boxesBefore), "Your region setting has changed\r\n\r\nResetting start up defaults");
    }
    window->close();
    EXPECT_EQ(store.value("UserRegion"), lifetime.region) << lifetime.locale;
  }
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
