// One offscreen widget application for the whole test program, with a user
// locale that names a country code, as the main window's start-up and
// shut-down need one.

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

namespace {

class WidgetApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LOCPATH", SCOPSTER_TEST_LOCALE_FOLDER, 1);
    unsetenv("LC_ALL");
    setenv("LC_TELEPHONE", "en_GB.UTF-8", 1);
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override {
    // Windows closed with WA_DeleteOnClose (the splash) go here, not at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    application_.reset();
  }

 private:
  int argc_ = 1;
  char name_[15] = "scopster_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new WidgetApplication);

}  // namespace
