#include "platform/application_info.h"

#include <windows.h>

#include <string>
#include <system_error>

namespace platform {

namespace {
// GetModuleFileNameW: the wide form, so that a folder name outside the ANSI
// code page comes back whole. The buffer grows until the name fits.
std::wstring executablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::wstring environmentValue(const wchar_t* name) {
  const DWORD needed = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (needed == 0) return {};
  std::wstring value(needed, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(name, value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}
}  // namespace

std::filesystem::path applicationFolder() {
  const std::filesystem::path exe = executablePath();
  if (exe.has_parent_path()) return exe.parent_path();
  std::error_code error;
  return std::filesystem::current_path(error);
}

std::filesystem::path userDataFolder() {
  const std::filesystem::path base = environmentValue(L"LOCALAPPDATA");
  // A shared folder such as C:\Windows\Temp is no place for one user's log.
  if (!base.is_absolute()) return {};
  return base / std::string(ApplicationInfo::kCompanyName) / std::string(ApplicationInfo::kTitle);
}

}  // namespace platform
