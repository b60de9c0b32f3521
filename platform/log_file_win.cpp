#include <windows.h>

#include <limits>

#include "platform/log_file.h"
#include "platform/log_folder.h"
#include "platform/windows_error.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {
namespace fs = std::filesystem;

[[noreturn]] void raiseLastError() { throw fileErrorFromWindows(::GetLastError()); }

// An append handle: every write lands at the end, whoever else writes. It may
// read too: a log that could be written but not read back would be mailed
// empty. FILE_FLAG_OPEN_REPARSE_POINT opens a symbolic link itself, which is
// then refused, instead of the file it points to.
class AppendHandle {
 public:
  explicit AppendHandle(const fs::path& file)
      : handle_(::CreateFileW(file.c_str(), FILE_APPEND_DATA | FILE_READ_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) raiseLastError();
    if (!isPlainFile()) {
      ::CloseHandle(handle_);
      handle_ = INVALID_HANDLE_VALUE;
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
  // A file on disk, not a device, a pipe or a link.
  bool isPlainFile() const {
    if (::GetFileType(handle_) != FILE_TYPE_DISK) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileInformationByHandle(handle_, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0;
  }

  HANDLE handle_;
};

}  // namespace

void appendLogRecord(const fs::path& file, std::string_view record) {
  AppendHandle log(file);
  // One write on an append handle: records of concurrent runs never interleave.
  log.write(record);
  log.close();
}

namespace log_folder {

Creation createFolder(const fs::path& folder) {
  if (::CreateDirectoryW(folder.c_str(), nullptr)) return Creation::Made;
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS) return Creation::Existed;
  if (error == ERROR_PATH_NOT_FOUND) return Creation::ParentMissing;
  throw fileErrorFromWindows(error);
}

// The folder's access list is inherited from the user's own profile folder;
// what is checked here is that it is a real folder, not a link to another.
void checkOwnFolder(const fs::path& folder) {
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) raiseLastError();
  // A file where a folder should be leaves no path, as making a folder in it would.
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0) vb::raise(vb::err::PathNotFound);
  const bool realFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
  if (!realFolder) vb::raise(vb::err::PermissionDenied);
}

}  // namespace log_folder

}  // namespace platform
