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

ChildOutcome waitAtMost(pid_t child, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const int status = waitForExit(child, WNOHANG);
    if (status != -1) return outcomeOf(status);
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(kPollInterval);
  }
  ::kill(-child, SIGKILL);
  waitForExit(child, 0);
  return ChildOutcome::TimedOut;
}

pid_t spawnWithInput(const std::filesystem::path& program, std::vector<std::string> arguments, int inputFd) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_adddup2(&actions, inputFd, STDIN_FILENO);
  if (inputFd != STDIN_FILENO) posix_spawn_file_actions_addclose(&actions, inputFd);
  // A group of its own, so that a time-out kills whatever it started too.
  posix_spawnattr_setpgroup(&attributes, 0);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  std::vector<char*> argv = argumentVector(arguments);
  pid_t child = -1;
  if (::posix_spawn(&child, program.c_str(), &actions, &attributes, argv.data(), environ) != 0) child = -1;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

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

ChildOutcome runWithInput(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                          std::string_view input, std::chrono::milliseconds timeout) {
  const UniqueFile file = inputFile(input);
  if (!file) return ChildOutcome::NotStarted;
  const pid_t child = spawnWithInput(program, arguments, ::fileno(file.get()));
  if (child < 0) return ChildOutcome::NotStarted;
  return waitAtMost(child, timeout);
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
