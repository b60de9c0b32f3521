#pragma once
// Chooses the user's locale for the country-code query. en_GB (44) and en_US
// (1) are compiled from the locale sources once per build folder, since a bare
// system has only C and C.UTF-8, which name no calling code.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/application_info.h"

namespace test_support {

class LocaleEnvironment {
 public:
  LocaleEnvironment() : lcAll_(saved("LC_ALL")), locPath_(saved("LOCPATH")) {}
  ~LocaleEnvironment() {
    restore("LC_ALL", lcAll_);
    restore("LOCPATH", locPath_);
  }

  // "C" always works (and names no code); false when the others cannot be built.
  bool use(const std::string& name) {
    if (name != "C") {
      static const bool compiled = compileLocales();
      if (!compiled) return false;
      setenv("LOCPATH", folder().c_str(), 1);
    }
    setenv("LC_ALL", name.c_str(), 1);
    return true;
  }

 private:
  static std::filesystem::path folder() { return platform::applicationFolder() / "test-locales"; }

  // CTest runs test programs side by side: one compiles, the others wait.
  static bool compileLocales() {
    const int lock = ::open((folder().string() + ".lock").c_str(), O_CREAT | O_RDWR, 0644);
    if (lock >= 0) ::flock(lock, LOCK_EX);
    bool compiled = true;
    for (const std::string name : {"en_GB", "en_US"}) {
      const auto output = folder() / (name + ".UTF-8");
      if (std::filesystem::exists(output / "LC_TELEPHONE")) continue;
      std::filesystem::create_directories(folder());
      const std::string command = "localedef -i " + name + " -f UTF-8 '" + output.string() + "' >/dev/null 2>&1";
      compiled = std::system(command.c_str()) == 0 && compiled;
    }
    if (lock >= 0) ::close(lock);
    return compiled;
  }

  static std::optional<std::string> saved(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
  }
  static void restore(const char* name, const std::optional<std::string>& value) {
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  std::optional<std::string> lcAll_;
  std::optional<std::string> locPath_;
};

}  // namespace test_support
