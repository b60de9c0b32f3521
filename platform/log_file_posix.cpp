#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/log_file.h"
#include "platform/log_folder.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {
namespace fs = std::filesystem;

[[noreturn]] void raiseErrno() { throw vb::VbError::fromErrno(errno); }

// Closes on every way out; close() reports its own failure.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {
    if (fd_ < 0) raiseErrno();
  }
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int fd() const { return fd_; }
  void close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) raiseErrno();
  }

 private:
  int fd_;
};

void writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      raiseErrno();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void checkOwnFile(const struct stat& info) {
  if (!S_ISREG(info.st_mode)) vb::raise(vb::err::PathFileAccessError);
  // A log that another user owns or may change is not ours to append to.
  if (info.st_uid != ::geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) vb::raise(vb::err::PermissionDenied);
}
}  // namespace

void appendLogRecord(const fs::path& file, std::string_view record) {
  // O_RDWR: a log that could be written but not read back would be mailed
  // empty. O_NONBLOCK: a named pipe in the log's place fails the open instead
  // of waiting for a reader.
  Descriptor log(::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
  struct stat info {};
  if (::fstat(log.fd(), &info) != 0) raiseErrno();
  checkOwnFile(info);
  // One write with O_APPEND: records of concurrent runs never interleave.
  writeAll(log.fd(), record);
  log.close();
}

namespace log_folder {

Creation createFolder(const fs::path& folder) {
  if (::mkdir(folder.c_str(), 0700) == 0) return Creation::Made;
  if (errno == EEXIST) return Creation::Existed;
  if (errno == ENOENT) return Creation::ParentMissing;
  raiseErrno();
}

void checkOwnFolder(const fs::path& folder) {
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) raiseErrno();
  // A file where a folder should be leaves no path, as making a folder in it would.
  if (!S_ISDIR(info.st_mode) && !S_ISLNK(info.st_mode)) throw vb::VbError::fromErrno(ENOTDIR);
  const bool ours = S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
  if (!ours) vb::raise(vb::err::PermissionDenied);
}

}  // namespace log_folder

}  // namespace platform
