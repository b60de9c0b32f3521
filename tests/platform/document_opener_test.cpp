#include <gtest/gtest.h>

#include <QGuiApplication>

#include <string>

#include "platform/system_services.h"
#include "tests/support/test_support.h"

namespace {

constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;

TEST(DocumentOpenerTest, MissingFileGivesFileNotFound) {
  test_support::TempDir dir;
  const std::string cases[] = {
      "",
      (dir.path() / "Scopster.chm").string(),
      (dir.path() / "Caf\xE9.chm").string(),
  };
  for (const auto& path : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(platform::openDocument(path), kFileNotFound);
  }
}

// The offscreen platform has no program for any document, which makes the
// outcome for things that do exist certain.
TEST(DocumentOpenerTest, ExistingDocumentsAndAddressesReachTheDesktop) {
  if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "needs the offscreen platform";
  test_support::TempDir dir;
  dir.write("Scopster.chm", "help");
  dir.write("Caf\xC3\xA9.txt", "accented name");
  const std::string cases[] = {
      (dir.path() / "Scopster.chm").string(),
      dir.str() + "\\Scopster.chm",
      (dir.path() / "Caf\xE9.txt").string(),
      "https://www.ombry.example/",
  };
  for (const auto& target : cases) {
    SCOPED_TRACE(target);
    EXPECT_EQ(platform::openDocument(target), kNoAssociation);
  }
}

}  // namespace
