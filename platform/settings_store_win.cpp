#include "platform/settings_store_win.h"

#include <limits>
#include <optional>
#include <utility>

#include "platform/windows_text.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {
constexpr const char* kVbSettingsPath = "Software\\VB and VBA Program Settings";

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_ != nullptr) ::RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

[[noreturn]] void raiseRegistryFailure(LONG result) {
  throw vb::VbError::standard(vb::err::PathFileAccessError, static_cast<std::int32_t>(result));
}

void requireName(std::string_view name, bool mayHoldBackslash) {
  if (name.empty() || name.find('\0') != std::string_view::npos) vb::raise(vb::err::InvalidProcedureCall);
  if (!mayHoldBackslash && name.find('\\') != std::string_view::npos) vb::raise(vb::err::InvalidProcedureCall);
}

// The value as UTF-8, asked for again while it grows between the two calls.
// The wide call reads what earlier builds wrote with the ANSI call as well.
std::optional<std::string> queryText(HKEY key, const std::string& name) {
  const std::wstring wideName = wideFromAnsi(name);
  DWORD type = 0;
  DWORD size = 0;
  LONG result = ::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
  std::wstring text;
  while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    text.resize(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    result = ::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    if (result == ERROR_SUCCESS) {
      text.resize(size / sizeof(wchar_t));
      if (const auto nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
      return utf8FromWide(text);
    }
  }
  if (result == ERROR_FILE_NOT_FOUND) return std::nullopt;
  raiseRegistryFailure(result);
}
}  // namespace

RegistrySettingsStore::RegistrySettingsStore() : RegistrySettingsStore(HKEY_CURRENT_USER, kVbSettingsPath) {}

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::string basePath)
    : root_(root), basePath_(std::move(basePath)) {}

std::string RegistrySettingsStore::sectionPath(std::string_view application, std::string_view section) const {
  requireName(application, false);
  requireName(section, false);
  std::string path = basePath_;
  if (!path.empty()) path += '\\';
  return path.append(application).append("\\").append(section);
}

std::string RegistrySettingsStore::getSetting(std::string_view application, std::string_view section,
                                              std::string_view key, std::string_view defaultValue) {
  const std::string path = sectionPath(application, section);
  requireName(key, true);
  RegistryKey opened;
  const LONG result = ::RegOpenKeyExA(root_, path.c_str(), 0, KEY_QUERY_VALUE, opened.out());
  if (result == ERROR_FILE_NOT_FOUND) return std::string(defaultValue);
  if (result != ERROR_SUCCESS) raiseRegistryFailure(result);
  std::optional<std::string> text = queryText(opened.get(), std::string(key));
  return text ? std::move(*text) : std::string(defaultValue);
}

void RegistrySettingsStore::saveSetting(std::string_view application, std::string_view section,
                                        std::string_view key, std::string_view value) {
  const std::string path = sectionPath(application, section);
  requireName(key, true);
  if (value.find('\0') != std::string_view::npos) vb::raise(vb::err::InvalidProcedureCall);
  if (value.size() >= std::numeric_limits<DWORD>::max()) vb::raise(vb::err::OutOfMemory);
  RegistryKey created;
  LONG result = ::RegCreateKeyExA(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                  nullptr, created.out(), nullptr);
  if (result != ERROR_SUCCESS) raiseRegistryFailure(result);
  const std::wstring name = wideFromAnsi(key);
  const std::wstring text = wideFromUtf8(value);
  if (text.size() >= std::numeric_limits<DWORD>::max() / sizeof(wchar_t)) vb::raise(vb::err::OutOfMemory);
  result = ::RegSetValueExW(created.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  if (result != ERROR_SUCCESS) raiseRegistryFailure(result);
}

}  // namespace platform
