#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/os_version_posix.h"

namespace {

TEST(OsVersionTest, ReleaseGivesItsFirstThreeDottedNumbers) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const struct {
    const char* release;
    std::int32_t major, minor, build;
  } cases[] = {
      {"6.1.0-18-amd64", 6, 1, 0}, {"3.10.0-1160.el7.x86_64", 3, 10, 0}, {"5.15", 5, 15, 0},
      {"4", 4, 0, 0},              {"", 0, 0, 0},                         {"4.19.0.1", 4, 19, 0},
      {"6.1-rc7", 6, 1, 0},        {"6..1", 6, 0, 0},                     {"v6.1.0", 0, 0, 0},
      {"007.08.009", 7, 8, 9},     {"99999999999.2.3", kMax, 2, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.release);
    const platform::OsVersionInfo info = platform::osVersionFromUname("Linux", c.release, "#1 SMP");
    EXPECT_EQ(info.major, c.major);
    EXPECT_EQ(info.minor, c.minor);
    EXPECT_EQ(info.build, c.build);
    EXPECT_EQ(info.platformName, "Linux");
  }
}

TEST(OsVersionTest, ServicePackTextKeepsAtMost127Characters) {
  for (const std::size_t length : {0u, 50u, 127u, 128u, 300u}) {
    SCOPED_TRACE(length);
    const std::string version(length, 'v');
    EXPECT_EQ(platform::osVersionFromUname("Linux", "6.1.0", version).servicePack, version.substr(0, 127));
  }
}

}  // namespace
