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
  // The same help as HTML pages, in this folder beside the executable.
  static constexpr std::string_view kHelpHtmlIndex = "help/index.html";
#ifdef _WIN32
  // Windows opens the compiled help with its own viewer.
  static constexpr bool kHelpPrefersHtml = false;
#else
  // CHM viewers are rare elsewhere; any browser reads the HTML pages.
  static constexpr bool kHelpPrefersHtml = true;
#endif
  static constexpr std::string_view kWebAddress = "https://www.ombry.example/";
  static constexpr std::string_view kMailDomain = "ombry.example";
  // How the About box shows the two addresses; a click uses the full ones.
  static constexpr std::string_view kWebAddressShown = "www.ombry.example";
  static constexpr std::string_view kMailAddressShown = "info@ombry.example";
  // The maker's contact details, as the About box shows them. The numbers lie
  // in a range kept for fiction, the handle in the reserved domain.
  static constexpr std::string_view kTelephone = "+44 20 7946 0916";
  static constexpr std::string_view kFax = "+44 20 7946 0917";
  static constexpr std::string_view kMessenger = "im@ombry.example";
  static constexpr std::string_view kDisclaimer = "Warning: may cause outbreaks of tidy code";
  static constexpr std::int32_t kMajorVersion = 0;
  static constexpr std::int32_t kMinorVersion = 916;
  // Every setting lives under this application name.
  static constexpr std::string_view kSettingsApplication = "Ombry";
};

// The folder that holds the running executable (falls back to the current
// directory when the system cannot tell).
std::filesystem::path applicationFolder();

// True for an installed program: its executable sits in a bin/ folder with
// share/scopster beside it. A program run from its build folder is not.
bool isInstalledProgram(const std::filesystem::path& executableFolder);
bool isInstalledProgram();

// Where the help file and help pages are: share/scopster for an installed
// program, the executable's folder otherwise.
std::filesystem::path helpFolder();

// The per-user data folder for this application ($XDG_DATA_HOME/Ombry/Scopster,
// or ~/.local/share/Ombry/Scopster; on Windows %LOCALAPPDATA%\Ombry\Scopster);
// not created here. Empty when the user has none, so that nothing per-user
// lands in a shared folder.
std::filesystem::path userDataFolder();

}  // namespace platform
