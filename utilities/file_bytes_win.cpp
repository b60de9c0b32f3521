#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "platform/windows_error.h"
#include "runtime/vb_error.h"
#include "utilities/file_bytes.h"

namespace utilities {

namespace {
constexpr DWORD kLargestRead = 1u << 30;

[[noreturn]] void raiseLastError() { throw platform::fileErrorFromWindows(::GetLastError()); }

// A file opened for reading. close() reports its failure; the destructor only
// runs on the way out of an earlier failure, which is the one reported.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::filesystem::path& path)
      : handle_(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) raiseLastError();
  }
  ~ReadOnlyFile() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  std::string readAll() const {
    // One byte beyond the expected size lets the read that finds the end
    // happen without growing the buffer.
    std::string content(std::max<std::size_t>(expectedSize() + 1, 4096), '\0');
    std::size_t used = 0;
    for (;;) {
      if (used == content.size()) content.resize(content.size() * 2);
      const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(content.size() - used, kLargestRead));
      DWORD got = 0;
      if (!::ReadFile(handle_, content.data() + used, wanted, &got, nullptr)) raiseLastError();
      if (got == 0) break;
      used += got;
    }
    content.resize(used);
    return content;
  }

  // Asked of the open handle, so it is about what was really opened: a device
  // or pipe under a file's name could make a read wait for ever.
  bool isRegularFile() const { return ::GetFileType(handle_) == FILE_TYPE_DISK; }

  void close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!::CloseHandle(handle)) raiseLastError();
  }

 private:
  std::size_t expectedSize() const {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle_, &size)) raiseLastError();
    return size.QuadPart > 0 ? static_cast<std::size_t>(size.QuadPart) : 0;
  }

  HANDLE handle_;
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
