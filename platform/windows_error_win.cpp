#include "platform/windows_error.h"

#include <windows.h>

namespace platform {

namespace {
std::int32_t errorNumberFor(std::uint32_t systemError) {
  switch (systemError) {
    case ERROR_FILE_NOT_FOUND: return vb::err::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH: return vb::err::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return vb::err::PermissionDenied;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE: return vb::err::BadFileNameOrNumber;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return vb::err::DiskFull;
    case ERROR_NOT_READY: return vb::err::DeviceUnavailable;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return vb::err::OutOfMemory;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT: return vb::err::DeviceIoError;
    default: return vb::err::PathFileAccessError;
  }
}
}  // namespace

vb::VbError fileErrorFromWindows(std::uint32_t systemError) {
  return vb::VbError::standard(errorNumberFor(systemError), static_cast<std::int32_t>(systemError));
}

}  // namespace platform
