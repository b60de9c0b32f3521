// Opening a source file never waits on a special file, never opens a name
// other than the one shown, and refuses wildcards as Open does.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>

#include "runtime/vb_error.h"
#include "tests/support/test_support.h"
#include "utilities/file_bytes.h"

namespace {

using namespace std::chrono_literals;

// Reads path on another thread. When the read is stuck in open() after a
// generous wait, a writer is opened on the pipe to release it, so a broken
// build fails instead of hanging the suite.
std::optional<std::string> readReleasingAPipe(const std::filesystem::path& path, bool& released) {
  auto reading = std::async(std::launch::async, [&] { return utilities::readRegularFile(path); });
  released = false;
  if (reading.wait_for(20s) != std::future_status::ready) {
    released = true;
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
  }
  return reading.get();
}

TEST(OpenNonblockingTest, NamedPipeWhereTheFileWasReadsAsMissing) {
  test_support::TempDir dir;
  const auto fifo = dir.path() / "modA.bas";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  bool released = false;
  EXPECT_EQ(readReleasingAPipe(fifo, released), std::nullopt);
  EXPECT_FALSE(released) << "the open waited for a writer";
}

TEST(OpenNonblockingTest, OnlyRegularFilesGiveBytes) {
  test_support::TempDir dir;
  const auto file = dir.write("a.bas", "Public X\r\n");
  EXPECT_EQ(utilities::readRegularFile(file), std::optional<std::string>("Public X\r\n"));
  EXPECT_EQ(utilities::readRegularFile(dir.path()), std::nullopt);
  EXPECT_EQ(utilities::readRegularFile("/dev/null"), std::nullopt);
  EXPECT_THROW(utilities::readRegularFile(dir.path() / "none.bas"), vb::VbError);
}

}  // namespace
