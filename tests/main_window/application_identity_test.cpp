#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>

#include <filesystem>
#include <regex>
#include <string>

#include "main_window/application_identity.h"
#include "tests/support/test_support.h"

namespace {

// A desktop matches a window with its menu entry by the entry's file name
// (the Wayland app id) or, on X11, by the StartupWMClass the entry names.
TEST(ApplicationIdentityTest, WindowsCarryTheNamesTheirDesktopEntryGives) {
  main_window::identifyApplication();
  const std::string desktopFileName = QGuiApplication::desktopFileName().toStdString();
  const std::filesystem::path entry =
      std::filesystem::path(SCOPSTER_SOURCE_DIR) / "packaging" / (desktopFileName + ".desktop");
  ASSERT_TRUE(std::filesystem::is_regular_file(entry)) << entry;
  std::smatch windowClass;
  const std::string text = test_support::readFile(entry);
  ASSERT_TRUE(std::regex_search(text, windowClass, std::regex(R"(\nStartupWMClass=([^\n]*)\n)")));
  EXPECT_EQ(windowClass[1], QGuiApplication::applicationName().toStdString());
  EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
}

}  // namespace
