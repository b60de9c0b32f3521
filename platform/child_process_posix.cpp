#include "platform/child_process_posix.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

extern char** environ;

namespace platform {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(5);

bool isExecutableFile(const std::filesystem::path& candidate) {
  struct stat info {};
  return ::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(candidate.c_str(), X_OK) == 0;
}

std::vector<char*> argumentVector(std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return argv;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// The input as an unnamed temporary file, so the child reads it at its own
// pace and we never block writing into a pipe it does not drain.
UniqueFile inputFile(std::string_view input) {
  UniqueFile file(std::tmpfile());
  if (!file) return nullptr;
  if (std::fwrite(input.data(), 1, input.size(), file.get()) != input.size()) return nullptr;
  if (std::fflush(file.get()) != 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return nullptr;
  return file;
}

int waitForExit(pid_t child, int options) {
  int status = 0;
  for (;;) {
    const pid_t result = ::waitpid(child, &status, options);
    if (result == child) return status;
    if (result == 0) return -1;  // still running (WNOHANG)
    if (errno != EINTR) return -2;
  }
}

ChildOutcome outcomeOf(int status) {
  if (status == -2) return ChildOutcome::FailedExit;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ChildOutcome::Succeeded : ChildOutcome::FailedExit;
}

// The caller's events go on between the polls (yield), so a slow child does
// not freeze the window that waits for it.
ChildOutcome waitAtMost(pid_t child, std::chrono::milliseconds timeout, const std::function<void()>& yield) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const int status = waitForExit(child, WNOHANG);
    if (status != -1) return outcomeOf(status);
    if (std::chrono::steady_clock::now() >= deadline) break;
    if (yield) yield();
    std::this_thread::sleep_for(kPollInterval);
  }
  ::kill(-child, SIGKILL);
  waitForExit(child, 0);
  return ChildOutcome::TimedOut;
}

// The attributes and file actions of one start; each call is checked, and the
// first failure's error number is kept.
class SpawnSetup {
 public:
  SpawnSetup() {
    actionsReady_ = check(::posix_spawn_file_actions_init(&actions_));
    attributesReady_ = check(::posix_spawnattr_init(&attributes_));
  }
  ~SpawnSetup() {
    if (attributesReady_) ::posix_spawnattr_destroy(&attributes_);
    if (actionsReady_) ::posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  void readInputFrom(int inputFd) {
    if (!actionsReady_) return;
    check(::posix_spawn_file_actions_adddup2(&actions_, inputFd, STDIN_FILENO));
    if (inputFd != STDIN_FILENO) check(::posix_spawn_file_actions_addclose(&actions_, inputFd));
  }
  // A group of its own, so that a time-out kills whatever it started too, and
  // no signal blocked that the caller happened to block.
  void ownGroupNoBlockedSignals() {
    if (!attributesReady_) return;
    check(::posix_spawnattr_setpgroup(&attributes_, 0));
    sigset_t none;
    sigemptyset(&none);
    check(::posix_spawnattr_setsigmask(&attributes_, &none));
    check(::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK));
  }
  // Starts the child when every step before succeeded; the error number of
  // the first failure, 0 when the child runs.
  int start(const std::filesystem::path& program, std::vector<std::string> arguments, pid_t& child) {
    if (error_ == 0) {
      std::vector<char*> argv = argumentVector(arguments);
      check(::posix_spawn(&child, program.c_str(), &actions_, &attributes_, argv.data(), environ));
    }
    return error_;
  }

 private:
  // The posix_spawn family returns its error number instead of setting errno.
  bool check(int result) {
    if (result != 0 && error_ == 0) error_ = result;
    return result == 0;
  }

  posix_spawn_file_actions_t actions_{};
  posix_spawnattr_t attributes_{};
  bool actionsReady_ = false;
  bool attributesReady_ = false;
  int error_ = 0;
};

// Runs in the forked middle process: only async-signal-safe calls from here.
[[noreturn]] void detachAndExec(const char* program, char* const argv[], int errorPipe) {
  ::setsid();
  const pid_t grandchild = ::fork();
  if (grandchild == 0) {
    ::execve(program, argv, environ);
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
  }
  if (grandchild < 0) {
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(errorPipe, &error, sizeof error);
  }
  ::_exit(0);
}

// True when the pipe closed without an error number: the exec succeeded.
bool execSucceeded(int errorPipe) {
  int error = 0;
  for (;;) {
    const ssize_t got = ::read(errorPipe, &error, sizeof error);
    if (got >= 0) return got == 0;
    if (errno != EINTR) return false;
  }
}

}  // namespace

std::string currentPathVariable() {
  const char* path = std::getenv("PATH");
  return path != nullptr ? path : "";
}

std::optional<std::filesystem::path> findOnPath(std::string_view name, std::string_view pathVariable) {
  if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
  std::size_t start = 0;
  while (start <= pathVariable.size()) {
    std::size_t end = pathVariable.find(':', start);
    if (end == std::string_view::npos) end = pathVariable.size();
    const std::filesystem::path folder(pathVariable.substr(start, end - start));
    if (folder.is_absolute() && isExecutableFile(folder / name)) return folder / name;
    start = end + 1;
  }
  return std::nullopt;
}

ChildResult runWithInput(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         std::string_view input, std::chrono::milliseconds timeout,
                         const std::function<void()>& yield) {
  errno = 0;
  const UniqueFile file = inputFile(input);
  if (!file) return {ChildOutcome::NotStarted, errno != 0 ? errno : EIO};
  SpawnSetup setup;
  setup.readInputFrom(::fileno(file.get()));
  setup.ownGroupNoBlockedSignals();
  pid_t child = -1;
  if (const int error = setup.start(program, arguments, child); error != 0) return {ChildOutcome::NotStarted, error};
  return {waitAtMost(child, timeout, yield), 0};
}

bool startDetached(const std::filesystem::path& program) {
  if (!isExecutableFile(program)) return false;
  std::vector<std::string> arguments{program.string()};
  std::vector<char*> argv = argumentVector(arguments);
  int errorPipe[2];
  if (::pipe2(errorPipe, O_CLOEXEC) != 0) return false;
  const pid_t middle = ::fork();
  if (middle == 0) {
    ::close(errorPipe[0]);
    detachAndExec(program.c_str(), argv.data(), errorPipe[1]);
  }
  ::close(errorPipe[1]);
  const bool started = middle > 0 && execSucceeded(errorPipe[0]);
  ::close(errorPipe[0]);
  if (middle > 0) waitForExit(middle, 0);
  return started;
}

}  // namespace platform
