#include <windows.h>

#include <algorithm>

#include "platform/windows_error.h"
#include "runtime/vb_error.h"
#include "utilities/read_only_file.h"

namespace utilities {

namespace {
constexpr DWORD kLargestRead = 1u << 30;

[[noreturn]] void raiseLastError() { throw platform::fileErrorFromWindows(::GetLastError()); }
}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path)
    : handle_(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {
  if (handle_ == INVALID_HANDLE_VALUE) raiseLastError();
}

ReadOnlyFile::~ReadOnlyFile() {
  if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
}

bool ReadOnlyFile::isRegularFile() const { return ::GetFileType(handle_) == FILE_TYPE_DISK; }

std::size_t ReadOnlyFile::expectedSize() const {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(handle_, &size)) raiseLastError();
  return size.QuadPart > 0 ? static_cast<std::size_t>(size.QuadPart) : 0;
}

std::size_t ReadOnlyFile::readSome(char* buffer, std::size_t size) const {
  DWORD got = 0;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, kLargestRead));
  if (!::ReadFile(handle_, buffer, wanted, &got, nullptr)) raiseLastError();
  return got;
}

void ReadOnlyFile::close() {
  const HANDLE handle = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (!::CloseHandle(handle)) raiseLastError();
}

}  // namespace utilities
