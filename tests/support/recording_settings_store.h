#pragma once
// The real settings store (QSettings in a folder of the test's own), with the
// keys of its writes kept in order.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/qt/settings_store_qt.h"
#include "platform/settings_store.h"

namespace test_support {

class RecordingSettingsStore : public platform::SettingsStore {
 public:
  explicit RecordingSettingsStore(std::filesystem::path folder) : store_(std::move(folder)) {}

  std::string getSetting(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override {
    return store_.getSetting(application, section, key, defaultValue);
  }
  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override {
    writes.emplace_back(key);
    store_.saveSetting(application, section, key, value);
  }
  // The application's own section.
  std::string value(std::string_view key) { return getSetting("Ombry", "Scopster", key, "<absent>"); }
  void put(std::string_view key, std::string_view value) { store_.saveSetting("Ombry", "Scopster", key, value); }

  std::vector<std::string> writes;

 private:
  platform::QtSettingsStore store_;
};

}  // namespace test_support
