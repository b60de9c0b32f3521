#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/vb_error.h"
#include "utilities/read_only_file.h"

namespace utilities {

namespace {
[[noreturn]] void raiseErrno() { throw vb::VbError::fromErrno(errno); }
}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
  if (fd_ < 0) raiseErrno();
}

ReadOnlyFile::~ReadOnlyFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool ReadOnlyFile::isRegularFile() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) raiseErrno();
  return S_ISREG(info.st_mode);
}

std::size_t ReadOnlyFile::expectedSize() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) raiseErrno();
  return info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
}

std::size_t ReadOnlyFile::readSome(char* buffer, std::size_t size) const {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) raiseErrno();
  }
}

void ReadOnlyFile::close() {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) raiseErrno();
}

}  // namespace utilities
