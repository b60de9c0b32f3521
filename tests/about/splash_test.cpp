#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QWindow>

#include "about/splash.h"
#include "diagnostics/app_globals.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

using about::frmSplash;
using about::showSplash;

TEST(SplashTest, ControlsAreNamedPlacedInTheFrameAndSetInTheirFonts) {
  frmSplash splash;
  ASSERT_EQ(splash.logicalDpiX(), 96) << "the pixels below are for 96 dpi";
  EXPECT_EQ(splash.size(), QSize(360, 202));
  const auto* frame = splash.findChild<QGroupBox*>("fra1");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->geometry(), QRect(8, 4, 344, 190));
  struct {
    const char* name;
    QRect pixels;  // in the frame
    const char* family;
    double points;
  } const controls[] = {
      {"imgLogo", {16, 16, 16, 16}, nullptr, 0},
      {"lblProductName", {194, 32, 135, 22}, "Arial", 14.25},
      {"lblCopyright", {176, 56, 153, 17}, nullptr, 0},
      {"lblComments", {240, 96, 91, 18}, "Arial", 12},
      {"lblWarning", {16, 144, 321, 31}, "Arial Narrow", 8.25},  // two lines of the face it gets
  };
  for (const auto& c : controls) {
    const auto* label = splash.findChild<QLabel*>(c.name);
    ASSERT_NE(label, nullptr) << c.name;
    EXPECT_EQ(label->parentWidget(), frame) << c.name;
    EXPECT_EQ(label->geometry(), c.pixels) << c.name;
    if (c.family == nullptr) continue;
    EXPECT_EQ(label->font().family(), c.family) << c.name;
    EXPECT_EQ(label->font().pointSizeF(), c.points) << c.name;
  }
  EXPECT_FALSE(splash.findChild<QLabel*>("imgLogo")->pixmap().isNull());
}

// Notes the window's first paint on screen: a paint before the window system
// has exposed the window shows nothing.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget& window) : window_(window) { window.installEventFilter(this); }
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QWindow* native = window_.windowHandle();
    if (event->type() == QEvent::Paint && native != nullptr && native->isExposed()) painted = true;
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
};

TEST(SplashTest, LoadSetsTheVersionAndStaysPaintedOnScreenThroughThePause) {
  test_support::ScriptedErrorHandler handler;
  const test_support::ProductTexts texts("", "");
  frmSplash splash;
  FirstPaint firstPaint(splash);

  splash.form().Form_Load();

  EXPECT_EQ(diagnostics::gsProductVersion, "Scopster v0.916");
  EXPECT_EQ(splash.findChild<QLabel*>("lblProductName")->text(), "Scopster v0.916");
  EXPECT_EQ(splash.findChild<QLabel*>("lblComments")->text(), "Freeware");
  EXPECT_TRUE(splash.isVisible());
  // The pause ends the load and lets no event through, so a paint seen by
  // now came before it.
  EXPECT_TRUE(firstPaint.painted) << "not painted before the pause";
  EXPECT_EQ(handler.boxCount(), 0U);
}

TEST(SplashTest, TypingAKeyOrClosingItLaterUnloadsIt) {
  test_support::ScriptedErrorHandler handler;
  const std::pair<Qt::Key, const char*> keys[] = {
      {Qt::Key_A, "a"}, {Qt::Key_Escape, "\x1b"}, {Qt::Key_Shift, ""}};  // Shift types nothing
  for (const auto& [key, text] : keys) {
    QPointer<frmSplash> splash = showSplash();
    ASSERT_TRUE(splash && splash->isVisible());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
    QApplication::sendEvent(splash, &press);
    EXPECT_EQ(splash->isVisible(), *text == '\0') << "after " << text;
    if (splash) splash->close();  // as the main window does at the end of its load
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull()) << text;
  }
  EXPECT_EQ(handler.boxCount(), 0U);
}

}  // namespace
