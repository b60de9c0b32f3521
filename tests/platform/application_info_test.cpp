#include <gtest/gtest.h>

#include <filesystem>

#include "platform/application_info.h"
#include "tests/support/test_support.h"

namespace {

TEST(ApplicationInfoTest, InstalledWhenShareScopsterSitsBesideBin) {
  test_support::TempDir dir;
  dir.write("usr/share/scopster/examples/x", "");
  dir.write("usr/bin/scopster-scan", "");
  dir.write("build/bin/scopster-scan", "");
  dir.write("opt/lib/share/scopster/x", "");
  dir.write("usr2/share/scopster", "");  // a file, not a folder
  dir.write("usr2/bin/x", "");
  const std::pair<const char*, bool> cases[] = {
      {"usr/bin", true}, {"build/bin", false}, {"opt/lib", false}, {"usr2/bin", false}, {"none/bin", false},
  };
  for (const auto& [folder, installed] : cases)
    EXPECT_EQ(platform::isInstalledProgram(dir.path() / folder), installed) << folder;
}

}  // namespace
