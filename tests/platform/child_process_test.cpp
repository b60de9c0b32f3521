#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>

#include "platform/child_process_posix.h"
#include "tests/support/test_support.h"

namespace {

using namespace std::chrono_literals;

TEST(ChildProcessTest, AStartThatFailsSaysWhy) {
  const test_support::TempDir bin;
  const auto plain = bin.write("plain", "#!/bin/sh\n");
  const struct {
    std::filesystem::path program;
    int errorNumber;
  } cases[] = {{bin.path() / "missing", ENOENT}, {plain, EACCES}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program);
    const platform::ChildResult result = platform::runWithInput(c.program, {c.program.string()}, "", 30s);
    EXPECT_EQ(result.outcome, platform::ChildOutcome::NotStarted);
    EXPECT_EQ(result.errorNumber, c.errorNumber);
  }
  const platform::ChildResult ran = platform::runWithInput("/bin/sh", {"sh", "-c", "exit 0"}, "", 30s);
  EXPECT_EQ(ran.outcome, platform::ChildOutcome::Succeeded);
  EXPECT_EQ(ran.errorNumber, 0);
}

}  // namespace
