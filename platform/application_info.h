#pragma once
// What the program knows about itself: names, version, texts, and where its
// executable lives. The maker's web address and mail domain are kept here only.

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace platform {

struct ApplicationInfo {
  static constexpr std::string_view kProductName = "Scopster";
  static constexpr std::string_view kTitle = "Scopster";
  static constexpr std::string_view kExeName = "Scopster";
  static constexpr std::string_view kCompanyName = "Ombry";
  static constexpr std::string_view kLegalCopyright = "Copyright (C) Ombry";
  static constexpr std::string_view kComments = "Freeware";
  static constexpr std::string_view kHelpFile = "Scopster.chm";
  static constexpr std::string_view kWebAddress = "https://www.ombry.example/";
  static constexpr std::string_view kMailDomain = "ombry.example";
  static constexpr std::int32_t kMajorVersion = 0;
  static constexpr std::int32_t kMinorVersion = 916;
  // Every setting lives under this application name.
  static constexpr std::string_view kSettingsApplication = "Ombry";
};

// The folder that holds the running executable (falls back to the current
// directory when the system cannot tell).
std::filesystem::path applicationFolder();

// The per-user data folder for this application ($XDG_DATA_HOME/Ombry/Scopster,
// or ~/.local/share/Ombry/Scopster; on Windows %LOCALAPPDATA%\Ombry\Scopster);
// not created here.
std::filesystem::path userDataFolder();

}  // namespace platform
