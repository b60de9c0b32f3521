#pragma once
// The per-user settings store: (application, section, key) -> text. Values
// are UTF-8, since some are paths; the names are plain ASCII.

#include <string>
#include <string_view>

namespace platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or defaultValue when the key is absent. Raises VbError on
  // a store that cannot be read.
  virtual std::string getSetting(std::string_view application, std::string_view section,
                                 std::string_view key, std::string_view defaultValue) = 0;
  // Overwrites the key. Raises VbError when the store cannot be written.
  virtual void saveSetting(std::string_view application, std::string_view section,
                           std::string_view key, std::string_view value) = 0;
};

}  // namespace platform

namespace platform {

// The store the application uses, installed once at start-up (tests install
// one over a temporary folder). Raises VbError 91 when none is installed.
void installSettingsStore(SettingsStore* store);
// The store installed now; null when none is.
SettingsStore* installedSettingsStore();
SettingsStore& settings();

// GetSetting / SaveSetting under the application's own name ("Ombry").
std::string getSetting(std::string_view section, std::string_view key, std::string_view defaultValue);
void saveSetting(std::string_view section, std::string_view key, std::string_view value);

}  // namespace platform
