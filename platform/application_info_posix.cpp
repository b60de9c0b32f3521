#include "platform/application_info.h"

#include <cstdlib>
#include <system_error>

namespace platform {

std::filesystem::path applicationFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && exe.has_parent_path()) return exe.parent_path();
  return std::filesystem::current_path(error);
}

std::filesystem::path userDataFolder() {
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    // A shared folder such as /tmp is no place for one user's log.
    return {};
  }
  return base / std::string(ApplicationInfo::kCompanyName) / std::string(ApplicationInfo::kTitle);
}

}  // namespace platform
