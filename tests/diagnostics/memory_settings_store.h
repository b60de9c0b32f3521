#pragma once
// A settings store held in memory, installed for the lifetime of the object;
// it counts writes so that tests can tell "wrote the same value" from "wrote
// nothing".

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/settings_store.h"

namespace test_support {

class MemorySettingsStore : public platform::SettingsStore {
 public:
  MemorySettingsStore() { platform::installSettingsStore(this); }
  ~MemorySettingsStore() override { platform::installSettingsStore(nullptr); }
  MemorySettingsStore(const MemorySettingsStore&) = delete;
  MemorySettingsStore& operator=(const MemorySettingsStore&) = delete;

  std::string getSetting(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override {
    const auto found = values_.find(keyOf(application, section, key));
    return found == values_.end() ? std::string(defaultValue) : found->second;
  }

  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override {
    values_[keyOf(application, section, key)] = std::string(value);
    ++writes_;
  }

  // The application's own keys ("Ombry", section "Scopster").
  void put(std::string_view key, std::string_view value) {
    values_[keyOf("Ombry", "Scopster", key)] = std::string(value);
  }
  std::optional<std::string> value(std::string_view key) const {
    const auto found = values_.find(keyOf("Ombry", "Scopster", key));
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  std::size_t writes() const { return writes_; }
  std::size_t size() const { return values_.size(); }

 private:
  using Key = std::tuple<std::string, std::string, std::string>;
  static Key keyOf(std::string_view application, std::string_view section, std::string_view key) {
    return {std::string(application), std::string(section), std::string(key)};
  }

  std::map<Key, std::string> values_;
  std::size_t writes_ = 0;
};

}  // namespace test_support
