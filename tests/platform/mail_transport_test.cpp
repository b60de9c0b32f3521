#include <gtest/gtest.h>

#include <QTimer>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/qt/mail_transport_posix_qt.h"
#include "tests/platform/url_recorder.h"
#include "tests/support/test_support.h"

namespace {

using namespace std::chrono_literals;

// A subject that tries to add a header of its own.
const platform::MailMessage kHostileMessage{
    "BugScopsterv0.916@ombry.example", "Bug Report\r\nBcc: victim@ombry.example Scopster v0.916",
    "Caf\xE9 line one\r\n \r\n\x80 line three\r\n"};

class MailTransportTest : public ::testing::Test {
 protected:
  // A stand-in sendmail in its own folder, which is the whole search path.
  void installSendmail(const std::string& script) {
    const auto program = bin_.write("sendmail", "#!/bin/sh\n" + script);
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
  }
  platform::SendmailSearch search(std::chrono::milliseconds timeout = 30s) const {
    return platform::SendmailSearch{{}, bin_.str(), timeout};
  }
  bool send(const platform::SendmailSearch& how, const platform::MailMessage& message = kHostileMessage) {
    return platform::desktopMailTransport(how)->send(message);
  }

  test_support::TempDir bin_;
  test_support::TempDir record_;
};

TEST_F(MailTransportTest, SendmailGetsHeadersAndUtf8BodyByteForByte) {
  installSendmail("printf '%s\\n' \"$@\" > '" + record_.str() + "/arguments'\ncat > '" + record_.str() + "/input'\n");
  ASSERT_TRUE(send(search()));
  EXPECT_EQ(test_support::readFile(record_.path() / "arguments"), "-t\n-i\n");
  EXPECT_EQ(test_support::readFile(record_.path() / "input"),
            "To: BugScopsterv0.916@ombry.example\n"
            "Subject: Bug Report  Bcc: victim@ombry.example Scopster v0.916\n"
            "MIME-Version: 1.0\n"
            "Content-Type: text/plain; charset=UTF-8\n"
            "Content-Transfer-Encoding: 8bit\n"
            "\n"
            "Caf\xC3\xA9 line one\n \n\xE2\x82\xAC line three\n");
}

// The window that sends must keep drawing: a timer of its event loop is what
// lets this sendmail finish.
TEST_F(MailTransportTest, EventsGoOnWhileSendmailRuns) {
  const std::string flag = record_.str() + "/events-ran";
  installSendmail("i=0\nwhile [ ! -e '" + flag + "' ]; do\n  i=$((i + 1)); [ $i -gt 1000 ] && exit 1\n  sleep 0.01\n" +
                  "done\ncat > /dev/null\n");
  QTimer::singleShot(0, [&] { record_.write("events-ran", ""); });
  EXPECT_TRUE(send(search()));
}

TEST_F(MailTransportTest, SubjectOutsideAsciiIsEncodedWord) {
  installSendmail("cat > '" + record_.str() + "/input'\n");
  ASSERT_TRUE(send(search(), {"x@ombry.example", "Caf\xE9", "body"}));
  const std::string input = test_support::readFile(record_.path() / "input");
  EXPECT_NE(input.find("\nSubject: =?UTF-8?B?Q2Fmw6k=?=\n"), std::string::npos) << input;
}

TEST_F(MailTransportTest, FailuresOfSendmailAreTheOneFailure) {
  struct Case {
    const char* name;
    std::string script;
  };
  const Case cases[] = {
      {"exits 1", "cat > /dev/null\nexit 1\n"},
      {"never ends", "exec sleep 600\n"},
      {"cannot start", ""},
  };
  for (const Case& failing : cases) {
    SCOPED_TRACE(failing.name);
    installSendmail(failing.script);
    if (failing.script.empty()) bin_.write("sendmail", "#!/no/such/interpreter\n");
    EXPECT_FALSE(send(search(300ms)));
  }
}

TEST_F(MailTransportTest, FixedLocationComesBeforeThePath) {
  installSendmail("exit 1\n");
  const test_support::TempDir fixed;
  const auto program = fixed.write("sendmail", "#!/bin/sh\ncat > '" + record_.str() + "/input'\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
  EXPECT_TRUE(send({{fixed.path() / "sendmail", record_.path() / "sendmail"}, bin_.str(), 30s}));
  EXPECT_TRUE(std::filesystem::exists(record_.path() / "input"));
}

TEST_F(MailTransportTest, WithoutSendmailTheMailtoUrlReachesTheDesktop) {
  platform_test::UrlRecorder recorder("mailto");
  // A "sendmail" that is a folder or not executable is no sendmail.
  std::filesystem::create_directory(bin_.path() / "sendmail");
  ASSERT_TRUE(send(search(), {"BugScopsterv0.916@ombry.example", "Bug Report Scopster v0.916", "a&b=c\r\n\xE9?\r\n"}));
  ASSERT_EQ(recorder.urls().size(), 1u);
  EXPECT_EQ(recorder.urls()[0].toEncoded().toStdString(),
            "mailto:BugScopsterv0.916@ombry.example?subject=Bug%20Report%20Scopster%20v0.916"
            "&body=a%26b%3Dc%0D%0A%C3%A9%3F%0D%0A");
}

TEST_F(MailTransportTest, MailtoRecipientAndSubjectCarryNoLineBreaks) {
  const QUrl url = platform::mailtoUrl({"a@ombry.example\r\nx", "s\r\nBcc: b@ombry.example", ""});
  const std::string text = url.toEncoded().toStdString();
  EXPECT_EQ(text.find("%0D"), std::string::npos) << text;
  EXPECT_EQ(text.find("%0A"), std::string::npos) << text;
}

TEST_F(MailTransportTest, NeitherSendmailNorAHandlerFails) {
  EXPECT_FALSE(send(search()));
}

}  // namespace
