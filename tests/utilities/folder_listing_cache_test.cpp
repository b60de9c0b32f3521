// Kept folder listings answer as a fresh listing would.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/test_support.h"
#include "utilities/folder_listing_cache.h"
#include "utilities/vb_path.h"

namespace {

namespace fs = std::filesystem;
using utilities::uniqueEntryIgnoringCase;

TEST(FolderListingCacheTest, OutsideARunEveryLookupSeesTheFolderAsItIsNow) {
  test_support::TempDir dir;
  const fs::path forms = dir.path() / "Forms";
  dir.write("Forms/Main.frm", "");
  ASSERT_EQ(uniqueEntryIgnoringCase(forms, "main.frm"), std::optional<std::string>("Main.frm"));
  fs::rename(forms / "Main.frm", forms / "MAIN.frm");
  dir.write("Forms/main.FRM", "");
  EXPECT_EQ(uniqueEntryIgnoringCase(forms, "main.frm"), std::nullopt);
  fs::remove(forms / "main.FRM");
  EXPECT_EQ(uniqueEntryIgnoringCase(forms, "main.frm"), std::optional<std::string>("MAIN.frm"));
}

TEST(FolderListingCacheTest, DuringARunManyWrongCaseEntriesInOneFolderAllResolve) {
  test_support::TempDir dir;
  const utilities::FolderListingRun run;
  for (int i = 0; i < 300; ++i) dir.write("P/Mod" + std::to_string(i) + ".bas", "");
  for (int i = 0; i < 300; ++i) {
    const std::string written = dir.str() + "/p/MOD" + std::to_string(i) + ".BAS";
    EXPECT_EQ(utilities::nativePath(written), dir.path() / "P" / ("Mod" + std::to_string(i) + ".bas"));
  }
}

}  // namespace
