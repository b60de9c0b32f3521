#include "platform/application_info.h"

#include <system_error>

namespace platform {

namespace {
std::filesystem::path installedDataFolder(const std::filesystem::path& executableFolder) {
  return executableFolder.parent_path() / "share" / "scopster";
}
}  // namespace

bool isInstalledProgram(const std::filesystem::path& executableFolder) {
  std::error_code error;
  return executableFolder.filename() == "bin" &&
         std::filesystem::is_directory(installedDataFolder(executableFolder), error);
}

bool isInstalledProgram() { return isInstalledProgram(applicationFolder()); }

std::filesystem::path helpFolder() {
  const std::filesystem::path folder = applicationFolder();
  return isInstalledProgram(folder) ? installedDataFolder(folder) : folder;
}

}  // namespace platform
