#pragma once
// Small operating-system services, each behind an interface so that the
// Windows and POSIX versions can stand side by side.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The parts of the system version text.
struct OsVersionInfo {
  std::int32_t platformId = 2;  // 2 names the NT family
  std::int32_t major = 0;
  std::int32_t minor = 0;
  std::int32_t build = 0;
  std::string servicePack;      // at most 127 characters
  std::string platformName;     // non-empty where the system names itself (uname)
};

// nullopt where the system cannot tell (the version query failed).
std::optional<OsVersionInfo> queryOsVersion();

// The user's country code (international calling code, "44", "1"), with the
// locale interface's two-step shape: size query then text. Returns the
// characters needed including the terminating NUL, 0 on failure.
std::int32_t countryCodeSize();
// Copies at most size characters (NUL included) into buffer and returns the
// count written including the NUL, 0 on failure.
std::int32_t countryCodeText(char* buffer, std::int32_t size);

// Opens a document or address (http, https, mailto) with its associated
// program. Returns a value above 32 on success; 2 when the file does not exist,
// 31 when no program is associated (the shell's codes). A path that does not
// exist as written is tried with '\' read as the folder separator. Lives in
// platform_qt, as it needs the GUI application.
std::int32_t openDocument(std::string_view pathOrUrl);
// The same for a file named by a native path, opened as it is named.
std::int32_t openFile(const std::filesystem::path& file);

}  // namespace platform
