// The registry settings store, against the real registry (Wine's, in the
// test run's own prefix).

#include <gtest/gtest.h>

#include <string>

#include "platform/settings_store_win.h"
#include "runtime/vb_error.h"
#include "tests/platform_win/registry_fixture.h"

namespace {

using platform_win_test::runReg;

constexpr const char* kVbSettings = "Software\\VB and VBA Program Settings";

// A section of our own under the real place, removed afterwards.
class SettingsStoreWinTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kVbSettings) + "\\Ombry\\" + section_).c_str());
  }
  std::wstring sectionKey() const {
    return L"\"HKCU\\Software\\VB and VBA Program Settings\\Ombry\\" + std::wstring(section_.begin(), section_.end()) +
           L"\"";
  }
  const std::string section_ = "ScopsterTest" + std::to_string(::GetCurrentProcessId());
  platform::RegistrySettingsStore store_;
};

TEST_F(SettingsStoreWinTest, RoundTripsAreRegSzValuesOtherProgramsSee) {
  const std::pair<const char*, const char*> values[] = {
      {"txtSource", "C:\\Projects\\Sample.vbp"},
      {"chkAutoScroll", "1"},
      {"frmScopster.Left", ""},
      {"key with blanks", "two  blanks"},
      {"mnuFileLastFile1", "&1 C:\\\u0141\u00F3d\u017A\\\u0395\u03BB\u03BB\u03AC\u03B4\u03B1\\\u65E5\u672C\u8A9E.vbp"},
  };
  for (const auto& [key, value] : values) store_.saveSetting("Ombry", section_, key, value);
  store_.saveSetting("Ombry", section_, "chkAutoScroll", "0");  // overwritten, not added

  for (const auto& [key, value] : values) {
    const std::string expected = std::string(key) == "chkAutoScroll" ? "0" : value;
    EXPECT_EQ(store_.getSetting("Ombry", section_, key, "default"), expected) << key;
  }
  DWORD exitCode = 1;
  const std::string listing = runReg(L"query " + sectionKey() + L" /v txtSource", exitCode);
  EXPECT_EQ(exitCode, 0u) << listing;
  EXPECT_NE(listing.find("txtSource"), std::string::npos) << listing;
  EXPECT_NE(listing.find("REG_SZ"), std::string::npos) << listing;
  EXPECT_NE(listing.find("C:\\Projects\\Sample.vbp"), std::string::npos) << listing;
}

TEST_F(SettingsStoreWinTest, ReadsWhatSaveSettingWroteBefore) {
  DWORD exitCode = 1;
  const std::string output =
      runReg(L"add " + sectionKey() + L" /v UserRegion /t REG_SZ /d 44 /f", exitCode);
  ASSERT_EQ(exitCode, 0u) << output;
  EXPECT_EQ(store_.getSetting("Ombry", section_, "UserRegion", ""), "44");
  // Earlier builds wrote paths in the ANSI code page; 0xE9 is "\u00E9" in 1250 and 1252.
  const std::string path = "C:\\Caf\xE9.vbp";
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kVbSettings) + "\\Ombry\\" + section_).c_str(), 0,
                              nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(::RegSetValueExA(key, "txtSource", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                             static_cast<DWORD>(path.size() + 1)),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
  if (::GetACP() == 1250 || ::GetACP() == 1252) {
    EXPECT_EQ(store_.getSetting("Ombry", section_, "txtSource", ""), "C:\\Caf\u00E9.vbp");
  }
  EXPECT_EQ(store_.getSetting("Ombry", section_, "Missing", "fallback"), "fallback");
  EXPECT_EQ(store_.getSetting("Ombry", section_ + "Missing", "UserRegion", "none"), "none");
}

TEST_F(SettingsStoreWinTest, ValueWithoutTextGivesTheDefault) {
  DWORD exitCode = 1;
  runReg(L"add " + sectionKey() + L" /v Count /t REG_DWORD /d 7 /f", exitCode);
  ASSERT_EQ(exitCode, 0u);
  EXPECT_EQ(store_.getSetting("Ombry", section_, "Count", "none"), "none");
}

// The registry keeps no lasting key below a volatile one, so a store rooted
// there meets a refusal on every write, as a store below a protected key would.
TEST(SettingsStoreWinRefusedTest, UnwritableKeyIsReported) {
  platform_win_test::ScratchKey scratch;
  HKEY volatileKey = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(scratch.handle(), "Volatile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &volatileKey, nullptr),
            ERROR_SUCCESS);
  platform::RegistrySettingsStore store(volatileKey, "");
  try {
    store.saveSetting("Ombry", "Scopster", "txtSource", "C:\\P.vbp");
    ADD_FAILURE() << "a refused write went unreported";
  } catch (const vb::VbError& failure) {
    EXPECT_EQ(failure.number(), vb::err::PathFileAccessError);
    EXPECT_NE(failure.lastDllError(), 0);
  }
  EXPECT_EQ(store.getSetting("Ombry", "Scopster", "txtSource", "absent"), "absent");
  ::RegCloseKey(volatileKey);
}

TEST_F(SettingsStoreWinTest, NamesThatWouldReachOtherKeysAreRefused) {
  const std::pair<std::string, std::string> names[] = {
      {"", "Key"}, {"Sub\\Section", "Key"}, {section_, ""}, {std::string("Sec\0tion", 8), "Key"}};
  for (const auto& [section, key] : names) {
    try {
      store_.saveSetting("Ombry", section, key, "x");
      ADD_FAILURE() << "accepted section '" << section << "' key '" << key << "'";
    } catch (const vb::VbError& failure) {
      EXPECT_EQ(failure.number(), vb::err::InvalidProcedureCall);
    }
  }
}

}  // namespace
