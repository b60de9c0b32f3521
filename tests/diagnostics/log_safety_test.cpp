// The error log is never written through a symlink, lives in folders that
// only its user can change, keeps concurrent records whole, and says why it
// could not be written.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "diagnostics/error_handler.h"
#include "platform/application_info.h"
#include "platform/log_file.h"
#include "runtime/vb_error.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;

// Captures what the handler prints when no log could be written.
class CapturedStderr {
 public:
  CapturedStderr() : previous_(std::cerr.rdbuf(text_.rdbuf())) {}
  ~CapturedStderr() { std::cerr.rdbuf(previous_); }
  CapturedStderr(const CapturedStderr&) = delete;
  CapturedStderr& operator=(const CapturedStderr&) = delete;
  std::string str() const { return text_.str(); }

 private:
  std::ostringstream text_;
  std::streambuf* previous_;
};

TEST(LogSafetyTest, NeverAppendsThroughASymlink) {
  test_support::TempDir dir;
  const auto victim = dir.write("victim.txt", "precious\n");
  const auto log = dir.path() / "Scopster.log";
  fs::create_symlink(victim, log);
  EXPECT_NE(test_support::raisedVbError([&] { platform::appendLogRecord(log, "record\r\n"); }), 0);
  const auto fifo = dir.path() / "pipe.log";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_NE(test_support::raisedVbError([&] { platform::appendLogRecord(fifo, "record\r\n"); }), 0);
  EXPECT_EQ(test_support::readFile(victim), "precious\n");
}

TEST(LogSafetyTest, FoldersAreCreatedPrivateAndMustBeOurs) {
  test_support::TempDir dir;
  const auto folder = dir.path() / "data" / "Ombry" / "Scopster";
  platform::makePrivateFolder(folder);
  for (const fs::path& made : {folder, folder.parent_path(), folder.parent_path().parent_path()})
    EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
  platform::appendLogRecord(folder / "Scopster.log", "one\r\n");
  EXPECT_EQ(fs::status(folder / "Scopster.log").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  fs::create_directories(dir.path() / "elsewhere" / "Scopster");
  fs::create_directory_symlink(dir.path() / "elsewhere", dir.path() / "linked");
  EXPECT_EQ(test_support::raisedVbError([&] { platform::makePrivateFolder(dir.path() / "linked" / "Scopster"); }),
            vb::err::PermissionDenied);
  // Nothing is made inside a link's target before the link is refused.
  fs::create_directory(dir.path() / "target");
  fs::create_directory_symlink(dir.path() / "target", dir.path() / "Ombry");
  EXPECT_EQ(test_support::raisedVbError([&] { platform::makePrivateFolder(dir.path() / "Ombry" / "Scopster"); }),
            vb::err::PermissionDenied);
  EXPECT_TRUE(fs::is_empty(dir.path() / "target"));
  fs::create_directories(dir.path() / "open" / "Scopster");
  fs::permissions(dir.path() / "open", fs::perms::others_write, fs::perm_options::add);
  EXPECT_EQ(test_support::raisedVbError([&] { platform::makePrivateFolder(dir.path() / "open" / "Scopster"); }),
            vb::err::PermissionDenied);
}

// A log that another user owns, or that others may change, is not appended
// to: it is as much theirs as a folder of theirs would be.
TEST(LogSafetyTest, LogOfAnotherUserIsRefused) {
  test_support::TempDir dir;
  const auto othersMayWrite = dir.write("open.log", "theirs\r\n");
  fs::permissions(othersMayWrite, fs::perms::others_write, fs::perm_options::add);
  std::vector<fs::path> logs{othersMayWrite};
  if (::geteuid() == 0) {
    const auto owned = dir.write("owned.log", "theirs\r\n");
    ASSERT_EQ(::chown(owned.c_str(), 65534, 65534), 0);
    logs.push_back(owned);
  }
  for (const fs::path& log : logs) {
    SCOPED_TRACE(log);
    EXPECT_EQ(test_support::raisedVbError([&] { platform::appendLogRecord(log, "record\r\n"); }),
              vb::err::PermissionDenied);
    EXPECT_EQ(test_support::readFile(log), "theirs\r\n");
  }
}

TEST(LogSafetyTest, NoPerUserFolderWithoutHomeOrDataHome) {
  test_support::ScopedEnvironment environment;
  environment.set("HOME", "");
  environment.set("XDG_DATA_HOME", "");
  EXPECT_TRUE(platform::userDataFolder().empty()) << platform::userDataFolder();
}

TEST(LogSafetyTest, UnwritableLogSaysTheTrueCause) {
  test_support::ScriptedErrorHandler handler;
  test_support::TempDir dir;
  // A folder in the log's place fails even for root.
  const fs::path primary = dir.path() / "Scopster.log";
  fs::create_directory(primary);
  const auto notAFolder = dir.write("plain.txt", "");
  const struct {
    fs::path fallback;
    const char* cause;
  } cases[] = {
      {fs::path(), "Path/File access error"},
      {notAFolder / "Ombry" / "Scopster.log", "Path not found"},
      // No one may make folders in /sys: the folder's failure is the cause,
      // not the missing file that follows from it.
      {"/sys/scopster-log-test/Scopster.log", "Permission denied"},
  };
  for (const auto& c : cases) {
    auto setup = diagnostics::errorHandlerSetup();
    setup.logFile = primary;
    setup.fallbackLogFile = c.fallback;
    diagnostics::installErrorHandler(setup);
    CapturedStderr captured;
    diagnostics::gnErrorHandler("a", "b", 1, vb::VbError::standard(9));
    EXPECT_NE(captured.str().find(std::string("the error log could not be written (") + c.cause + ")"),
              std::string::npos)
        << captured.str();
  }
  // An installed program has only the per-user log; without a per-user
  // folder it has none, and says so instead of writing into the current folder.
  auto setup = diagnostics::errorHandlerSetup();
  setup.logFile.clear();
  setup.fallbackLogFile.clear();
  diagnostics::installErrorHandler(setup);
  CapturedStderr captured;
  diagnostics::gnErrorHandler("a", "b", 1, vb::VbError::standard(9));
  EXPECT_NE(captured.str().find("the error log could not be written (no per-user data folder"), std::string::npos)
      << captured.str();
}

TEST(LogSafetyTest, ConcurrentWritersKeepEveryRecordWhole) {
  test_support::TempDir dir;
  const auto log = dir.path() / "Scopster.log";
  constexpr int kWriters = 8;
  constexpr int kRecords = 200;
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w)
    writers.emplace_back([&log, w] {
      // Longer than a stdio buffer, so that a split write would show.
      const std::string text(6000, static_cast<char>('a' + w));
      for (int n = 0; n < kRecords; ++n) diagnostics::gErrorLogAppend(log, text + std::to_string(n));
    });
  for (auto& writer : writers) writer.join();
  std::istringstream text(test_support::readFile(log));
  std::string line;
  int whole = 0;
  while (std::getline(text, line)) {
    ASSERT_GE(line.size(), 6004u);
    const char letter = line[1];
    EXPECT_EQ(line.find_first_not_of(letter, 1), 6001u) << "a record was split";
    EXPECT_EQ(line.find_first_not_of("0123456789", 6001), line.size() - 2);
    EXPECT_EQ(line.substr(line.size() - 2), "\"\r");
    ++whole;
  }
  EXPECT_EQ(whole, kWriters * kRecords);
}

}  // namespace
