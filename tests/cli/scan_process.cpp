#include "tests/cli/scan_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace cli_test {

namespace {
void check(int result, const char* what) {
  if (result != 0) throw std::runtime_error(what);
}
}  // namespace

ScanProcess::ScanProcess(const std::vector<std::string>& arguments, Stdout out, Stderr err) {
  int errFds[2] = {-1, -1};
  if (err == Stderr::Pipe) {
    check(::pipe2(errFds, O_CLOEXEC), "pipe");
  } else {
    std::string errTemplate = (std::filesystem::temp_directory_path() / "scan-err-XXXXXX").string();
    errFds[1] = ::mkstemp(errTemplate.data());
    if (errFds[1] < 0) throw std::runtime_error("mkstemp");
    errFile_ = errTemplate;
  }
  posix_spawn_file_actions_t actions;
  check(posix_spawn_file_actions_init(&actions), "file actions");
  int pipeFds[2] = {-1, -1};
  if (out == Stdout::Pipe) {
    check(::pipe2(pipeFds, O_CLOEXEC), "pipe");
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
  } else if (out == Stdout::DevFull) {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_addclose(&actions, 1);
  }
  posix_spawn_file_actions_adddup2(&actions, errFds[1], 2);
  const std::string program = SCOPSTER_SCAN_PROGRAM;
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const int spawned = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(errFds[1]);
  errFd_ = errFds[0];
  if (pipeFds[1] >= 0) ::close(pipeFds[1]);
  outFd_ = pipeFds[0];
  check(spawned, "posix_spawn");
}

ScanProcess::~ScanProcess() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (outFd_ >= 0) ::close(outFd_);
  if (errFd_ >= 0) ::close(errFd_);
  if (!errFile_.empty()) ::unlink(errFile_.c_str());
}

namespace {
std::string readFrom(int fd, std::size_t count) {
  std::string bytes(count, '\0');
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = ::read(fd, bytes.data() + got, count - got);
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}
}  // namespace

std::string ScanProcess::readOut(std::size_t count) { return readFrom(outFd_, count); }

std::string ScanProcess::readErr(std::size_t count) { return readFrom(errFd_, count); }

void ScanProcess::interrupt() const { ::kill(pid_, SIGINT); }

void ScanProcess::terminate() const { ::kill(pid_, SIGTERM); }

int ScanProcess::wait(int timeoutSeconds) { return waitInterrupting(timeoutSeconds, 0); }

int ScanProcess::waitInterrupting(int timeoutSeconds, int pollMilliseconds) {
  using namespace std::chrono;
  const auto giveUp = steady_clock::now() + seconds(timeoutSeconds);
  int status = 0;
  while (::waitpid(pid_, &status, WNOHANG) == 0) {
    if (steady_clock::now() > giveUp) return -1;  // the destructor kills it
    if (pollMilliseconds > 0) interrupt();
    std::this_thread::sleep_for(milliseconds(pollMilliseconds > 0 ? pollMilliseconds : 10));
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ScanProcess::err() const {
  std::ifstream file(errFile_, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace cli_test
