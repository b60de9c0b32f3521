#include "utilities/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "runtime/vb_error.h"

namespace utilities {

namespace {
// A file opened for reading. close() reports its failure; the destructor only
// runs on the way out of an earlier failure, which is the one reported.
class ReadOnlyFile {
 public:
  // O_NONBLOCK: a named pipe put where the file was a moment ago must not make
  // the open wait for a writer that never comes.
  explicit ReadOnlyFile(const std::filesystem::path& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    if (fd_ < 0) throw vb::VbError::fromErrno(errno);
  }
  ~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Asked of the open descriptor, so it is about what was really opened.
  bool isRegularFile() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw vb::VbError::fromErrno(errno);
    return S_ISREG(info.st_mode);
  }

  std::string readAll() const {
    // One byte beyond the expected size lets the read that finds the end
    // happen without growing the buffer; files that report no size (under
    // /proc, for one) grow as they are read.
    std::string content(std::max<std::size_t>(expectedSize() + 1, 4096), '\0');
    std::size_t used = 0;
    for (;;) {
      if (used == content.size()) content.resize(content.size() * 2);
      const ssize_t got = ::read(fd_, content.data() + used, content.size() - used);
      if (got == 0) break;
      if (got < 0) {
        if (errno == EINTR) continue;
        throw vb::VbError::fromErrno(errno);
      }
      used += static_cast<std::size_t>(got);
    }
    content.resize(used);
    return content;
  }

  void close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw vb::VbError::fromErrno(errno);
  }

 private:
  std::size_t expectedSize() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw vb::VbError::fromErrno(errno);
    return info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
  }

  int fd_;
};
}  // namespace

std::optional<std::string> readRegularFile(const std::filesystem::path& path) {
  ReadOnlyFile file(path);
  if (!file.isRegularFile()) {
    file.close();
    return std::nullopt;
  }
  std::string content = file.readAll();
  file.close();
  return content;
}

}  // namespace utilities
