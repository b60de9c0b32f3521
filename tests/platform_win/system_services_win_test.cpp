// The Windows system services through the real Windows interfaces.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/mail_transport_win.h"
#include "platform/system_information.h"
#include "platform/system_information_win.h"
#include "platform/system_services.h"
#include "tests/platform_win/registry_fixture.h"
#include "tests/support/test_support.h"

namespace {

// The country code as the region check asks for it: size, then text.
std::string countryCode() {
  const std::int32_t size = platform::countryCodeSize();
  if (size <= 0) return {};
  std::string buffer(static_cast<std::size_t>(size), '\0');
  const std::int32_t written = platform::countryCodeText(buffer.data(), size);
  EXPECT_EQ(written, size);
  return buffer.substr(0, buffer.find('\0'));
}

// CTest runs this program once per test locale, with the code that locale
// must give (44 for en_GB, 49 for de_DE); a plain run checks the shape only.
TEST(CountryCodeWinTest, UserLocaleGivesItsCallingCode) {
  const std::string code = countryCode();
  ASSERT_FALSE(code.empty());
  EXPECT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << code;
  if (const char* expected = std::getenv("SCOPSTER_EXPECTED_COUNTRY_CODE")) {
    EXPECT_EQ(code, expected);
  }
  char tooSmall[1] = {'x'};
  EXPECT_EQ(platform::countryCodeText(tooSmall, 1), 0);
}

// The test prefix declares Windows 10; GetVersionExA would say 6.2 there.
TEST(OsVersionWinTest, ReportsTheTrueWindowsVersion) {
  const auto version = platform::queryOsVersion();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->platformId, 2);
  EXPECT_EQ(version->major, 10);
  EXPECT_EQ(version->minor, 0);
  EXPECT_GE(version->build, 10240);
  EXPECT_LE(version->servicePack.size(), 127u);
  EXPECT_TRUE(version->platformName.empty());
}

TEST(DocumentOpenerWinTest, MissingFileIsShellError2) {
  test_support::TempDir dir;
  EXPECT_EQ(platform::openDocument(dir.str() + "\\Scopster.chm"), 2);
  EXPECT_EQ(platform::openDocument(std::string("C:\\a\0b", 6)), 2);
}

TEST(MailTransportWinTest, WithoutSimpleMapiSendingIsTheOneFailure) {
  const platform::MailMessage message{"BugScopsterv0.916@ombry.example", "Bug Report Scopster v0.916", "line\r\n"};
  EXPECT_FALSE(platform::SimpleMapiTransport("scopster-no-such-mapi.dll").send(message));
  // A library without MAPISendMail.
  EXPECT_FALSE(platform::SimpleMapiTransport("version.dll").send(message));
  // Wine's MAPI32.DLL with no mail provider behind it.
  EXPECT_FALSE(platform::systemMailTransport()->send(message));
}

// The lookup under a scratch key in place of HKEY_LOCAL_MACHINE.
class SystemInformationWinTest : public ::testing::Test {
 protected:
  std::optional<std::string> lookUp() const { return platform::findSystemInformationProgramUnder(key_.handle()); }
  platform_win_test::ScratchKey key_;
  test_support::TempDir folder_;
};

TEST_F(SystemInformationWinTest, BothKeysAbsentGiveNothing) {
  EXPECT_EQ(lookUp(), std::nullopt);
  key_.setText("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Other", "C:\\x.exe");
  EXPECT_EQ(lookUp(), std::nullopt);
}

TEST_F(SystemInformationWinTest, SecondKeyNamesTheFolder) {
  key_.setText("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder_.str());
  // Without the program in it, the folder stays, and a folder never starts.
  EXPECT_EQ(lookUp(), folder_.str());
  EXPECT_FALSE(platform::startSystemInformationProgram(folder_.str()));
  folder_.write("MSINFO32.EXE", "MZ");
  EXPECT_EQ(lookUp(), folder_.str() + "\\MSINFO32.EXE");
}

TEST_F(SystemInformationWinTest, FirstKeyWins) {
  key_.setText("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder_.str());
  key_.setText("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\Tools\\msinfo32.exe");
  EXPECT_EQ(lookUp(), "C:\\Tools\\msinfo32.exe");
}

}  // namespace
