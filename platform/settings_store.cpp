#include "platform/settings_store.h"

#include "platform/application_info.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {
SettingsStore*& installedStore() {
  static SettingsStore* store = nullptr;
  return store;
}
}  // namespace

void installSettingsStore(SettingsStore* store) { installedStore() = store; }

SettingsStore* installedSettingsStore() { return installedStore(); }

SettingsStore& settings() {
  if (installedStore() == nullptr) vb::raise(vb::err::ObjectNotSet);
  return *installedStore();
}

std::string getSetting(std::string_view section, std::string_view key, std::string_view defaultValue) {
  return settings().getSetting(ApplicationInfo::kSettingsApplication, section, key, defaultValue);
}

void saveSetting(std::string_view section, std::string_view key, std::string_view value) {
  settings().saveSetting(ApplicationInfo::kSettingsApplication, section, key, value);
}

}  // namespace platform
