#pragma once
// File permissions do not stop root, and CI runs as root. A test about a
// refused file starts with `if (test_support::rerunAsNobody()) return;`: as
// root, the running test then runs again in a copy of this program as the
// unprivileged user nobody, and its outcome becomes this test's.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <filesystem>
#include <string>

#include "tests/support/test_support.h"

namespace test_support {

// True when it ran the test as nobody; false when not root (run it here).
inline bool rerunAsNobody() {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) return false;
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string(test->test_suite_name()) + "." + test->name();
  const TempDir copyFolder;  // the build folder may be closed to nobody
  fs::permissions(copyFolder.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
  const fs::path self = fs::read_symlink("/proc/self/exe");
  const fs::path copy = copyFolder.path() / self.filename();
  fs::copy_file(self, copy);
  QProcess child;
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                          QStringLiteral("--clear-groups"), QString::fromStdString(copy.string()),
                                          QString::fromStdString("--gtest_filter=" + name)});
  const bool finished = child.waitForFinished(120000);
  const std::string output = child.readAll().toStdString();
  EXPECT_TRUE(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
              output.find("[  PASSED  ] 1 test") != std::string::npos)
      << "as nobody: " << output;
  return true;
}

}  // namespace test_support
