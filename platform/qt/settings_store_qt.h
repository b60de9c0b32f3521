#pragma once
// The settings store as INI files: one file per application ("Ombry.ini") in
// the user's configuration folder, one group per section, keys as given.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace platform {

class QtSettingsStore : public SettingsStore {
 public:
  // The files live in the user's configuration folder ($XDG_CONFIG_HOME, or ~/.config).
  QtSettingsStore();
  // The files live in folder, which the first write creates.
  explicit QtSettingsStore(std::filesystem::path folder);

  // Raises VbError 5 for an empty section or key, 75 (or the file error) for a
  // file that cannot be read. Lines the INI reader cannot make sense of are
  // skipped, and the next write leaves them out.
  std::string getSetting(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override;
  // On disk before it returns: nothing waits for an orderly exit. Raises VbError
  // 75 when the file cannot be written, and the stored value stays as it was.
  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override;

  // The file that holds an application's settings. Raises VbError 5 when the
  // application's name cannot name a file.
  std::filesystem::path iniFile(std::string_view application) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace platform
