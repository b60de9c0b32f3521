#include <windows.h>

#include <limits>

#include "diagnostics/log_file.h"
#include "platform/windows_error.h"
#include "runtime/vb_error.h"

namespace diagnostics {

namespace {
// An append handle: every write lands at the end, whoever else writes.
class AppendHandle {
 public:
  explicit AppendHandle(const std::filesystem::path& file)
      : handle_(::CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) raiseLastError();
    if (::GetFileType(handle_) != FILE_TYPE_DISK) {
      ::CloseHandle(handle_);
      vb::raise(vb::err::PathFileAccessError);
    }
  }
  ~AppendHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  AppendHandle(const AppendHandle&) = delete;
  AppendHandle& operator=(const AppendHandle&) = delete;

  void write(std::string_view bytes) const {
    if (bytes.size() > std::numeric_limits<DWORD>::max()) vb::raise(vb::err::OutOfMemory);
    DWORD written = 0;
    if (!::WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) raiseLastError();
    if (written != bytes.size()) vb::raise(vb::err::DiskFull);
  }

  void close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!::CloseHandle(handle)) raiseLastError();
  }

 private:
  [[noreturn]] static void raiseLastError() { throw platform::fileErrorFromWindows(::GetLastError()); }
  HANDLE handle_;
};
}  // namespace

void appendToFile(const std::filesystem::path& file, std::string_view bytes) {
  AppendHandle log(file);
  log.write(bytes);
  log.close();
}

}  // namespace diagnostics
