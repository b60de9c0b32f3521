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

TEST_F(FrmScopsterLifecycleTest, StartUpShowsTheWindowAndRemovesTheSplashEvenWhenItEndsEarly) {
  store.put("mnuFileLastFile1", "&1 C:\\Last\\One.vbp");
  struct Case {
    const char* what;
    std::filesystem::path folder;
    const char* source;
    std::size_t boxes;
  };
  const Case cases[] = {
      {"normal", platform::applicationFolder(), "C:\\Last\\One.vbp", 0},
      {"application folder gone", temp.path() / "gone", "", 1},
  };
  for (const Case& c : cases) {
    main_window::WindowOptions given = options();
    given.applicationFolder = c.folder;
    newWindow(std::move(given)).Form_Load();
    EXPECT_TRUE(window->isVisible()) << c.what;
    EXPECT_FALSE(splashShowing()) << c.what;
    EXPECT_EQ(window->windowTitle().toStdString(), "Scopster " + diagnostics::gsVersionText()) << c.what;
    EXPECT_EQ(control<QLineEdit>("txtSource").text().toStdString(), c.source) << c.what;
    EXPECT_EQ(errors.boxCount(), c.boxes) << c.what;
  }
  EXPECT_NE(errors.log().find("frmScopster.Form_Load.4"), std::string::npos);
}

TEST_F(FrmScopsterLifecycleTest, ClosingDuringARunStopsItSavesInOrderAndEndsTheApplication) {
  engine_test::ProjectFixture project;
  project.write("a.bas", engine_test::crlf({"Public A1 As Long", "Public A2 As Long", "Public A3 As Long"}));
  const std::string path = project.write("P.vbp", engine_test::crlf({"Module=a; a.bas"}));
  loadedWindow();
  control<QLineEdit>("txtSource").setText(QString::fromStdString(path));
  store.writes.clear();
  QObject::connect(list().model(), &QAbstractItemModel::rowsInserted, window.get(), [this] {
    if (list().count() == 5) QTimer::singleShot(0, window.get(), [this] { window->close(); });
  });
  auto& button = control<QPushButton>("cmdAnalyse");
  QTimer::singleShot(0, &button, &QPushButton::click);
  QTimer hang;  // only if the application failed to end
  hang.setSingleShot(true);
  QObject::connect(&hang, &QTimer::timeout, [] { QCoreApplication::exit(2); });
  hang.start(60000);

  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(list().count(), 5);
  EXPECT_EQ(button.text(), "&Stop");
  const std::vector<std::string> saved{"UserRegion",       "txtSource",       "chkAutoScroll",     "frmScopster.Left",
                                       "frmScopster.Top", "frmScopster.Width", "frmScopster.Height"};
  EXPECT_EQ(store.writes, saved);
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(FrmScopsterLifecycleTest, RecentFilesShiftRenumberAndComeBackInTheNextLifetime) {
  loadedWindow();
  for (const char* project : {"C:\\P1.vbp", "C:\\P2.vbp", "C:\\P3.vbp", "C:\\P4.vbp", "C:\\P 5.vbp"}) {
    errors.dialogs().queueFile(project);
    action("mnuFileOpenProject").trigger();
  }
  action("mnuFileLastFile3").trigger();
  control<QLineEdit>("txtSource").setText("typed.vbp");
  window->close();
  const std::vector<std::string> captions{"&1 C:\\P3.vbp", "&2 C:\\P 5.vbp", "&3 C:\\P4.vbp", "&4 C:\\P2.vbp"};
  for (std::size_t i = 0; i < captions.size(); ++i)
    EXPECT_EQ(store.value("mnuFileLastFile" + std::to_string(i + 1)), captions[i]);
  EXPECT_EQ(store.value("txtSource"), "typed.vbp");

  loadedWindow();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const QAction& entry = action("mnuFileLastFile" + std::to_string(i + 1));
    EXPECT_EQ(entry.text().toStdString(), captions[i]);
    EXPECT_TRUE(entry.isVisible());
  }
  EXPECT_TRUE(action("mnuFileHyphenLastFile").isVisible());
  EXPECT_EQ(control<QLineEdit>("txtSource").text(), "C:\\P3.vbp");
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(FrmScopsterLifecycleTest, StoredAutoScrollValueComesBackOrIsReported) {
  struct Case {
    const char* stored;  // nullptr: never stored
    std::int16_t value;
    Qt::CheckState state;
    const char* failure;
  };
  const Case cases[] = {
      {nullptr, 0, Qt::Unchecked, nullptr},       {"1", 1, Qt::Checked, nullptr},
      {"0", 0, Qt::Unchecked, nullptr},           {"2", 2, Qt::PartiallyChecked, nullptr},
      {"yes", 0, Qt::Unchecked, "ErrNo: 13 "},    {"3", 0, Qt::Unchecked, "ErrNo: 380 "},
  };
  for (const Case& c : cases) {
    if (c.stored != nullptr) store.put("chkAutoScroll", c.stored);
    const std::size_t boxesBefore = errors.boxCount();
    loadedWindow();
    const auto& box = control<widgets::VbCheckBox>("chkAutoScroll");
    EXPECT_EQ(box.value(), c.value) << c.stored;
    EXPECT_EQ(box.checkState(), c.state) << c.stored;
    EXPECT_EQ(errors.boxCount() - boxesBefore, c.failure == nullptr ? 0u : 1u) << c.stored;
    if (c.failure != nullptr) {
      EXPECT_NE(errors.log().find(c.failure), std::string::npos) << c.stored;
    }
    window->close();
    EXPECT_EQ(store.value("chkAutoScroll"), std::to_string(c.value)) << c.stored;
  }
  EXPECT_NE(errors.log().find("frmScopster.mGetSettings.3"), std::string::npos);
}

// C, C.UTF-8 and POSIX name no calling code; they are a region like any other.
TEST_F(FrmScopsterLifecycleTest, LocalesWithoutACallingCodeStartAndCloseQuietlyAndKeepTheSettings) {
  test_support::ScopedEnvironment environment;
  environment.set("LC_TELEPHONE", "C");
  loadedWindow();
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
