#pragma once
// A settings store in memory, installed while it lives. It counts writes, so
// that "wrote the same value again" and "wrote nothing" differ.

#include <map>
#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace test_support {

class MemorySettingsStore : public platform::SettingsStore {
 public:
  MemorySettingsStore() { platform::installSettingsStore(this); }
  ~MemorySettingsStore() override { platform::installSettingsStore(nullptr); }

  std::string getSetting(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override {
    const auto found = values_.find(path(application, section, key));
    return found == values_.end() ? std::string(defaultValue) : found->second;
  }
  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override {
    values_[path(application, section, key)] = value;
    ++writes;
  }

  // Keys of the application's own section.
  void put(const std::string& key, const std::string& value) { values_[path("Ombry", "Scopster", key)] = value; }
  std::optional<std::string> value(const std::string& key) const {
    const auto found = values_.find(path("Ombry", "Scopster", key));
    return found == values_.end() ? std::nullopt : std::optional(found->second);
  }
  int writes = 0;

 private:
  static std::string path(std::string_view application, std::string_view section, std::string_view key) {
    return std::string(application) + '\n' + std::string(section) + '\n' + std::string(key);
  }
  std::map<std::string, std::string> values_;
};

}  // namespace test_support
