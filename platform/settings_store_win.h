#pragma once
// Windows only: the settings store in the registry, where the Visual Basic
// GetSetting and SaveSetting keep theirs:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// one REG_SZ value per key. Settings of earlier builds come along, and ours
// stay readable to them.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace platform {

class RegistrySettingsStore : public SettingsStore {
 public:
  RegistrySettingsStore();
  // The sections live under root\basePath; root stays the caller's (tests hand
  // in a key opened for reading only).
  RegistrySettingsStore(HKEY root, std::string basePath);

  // Raises VbError 5 for an empty application, section or key, or a "\" in the
  // application or section (it would name another key); a missing key or value,
  // or a value that holds no text, gives defaultValue. Raises VbError 75 when
  // the key cannot be read.
  std::string getSetting(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override;
  // Raises VbError 5 as getSetting, and 75 (the system's code as the last
  // system error) when the key cannot be created or the value not written.
  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override;

 private:
  std::string sectionPath(std::string_view application, std::string_view section) const;
  HKEY root_;
  std::string basePath_;
};

}  // namespace platform
