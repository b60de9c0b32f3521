#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "diagnostics/app_globals.h"
#include "diagnostics/send_email.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/recording_mail_transport.h"
#include "tests/support/test_support.h"

namespace {

using test_support::RecordingMailTransport;

class SendEmailTest : public ::testing::Test {
 protected:
  const test_support::ProductTexts texts;
  test_support::ScriptedErrorHandler handler;
};

TEST_F(SendEmailTest, EveryFailureIsOneBoxAndNoLogRecord) {
  for (const auto answer : {RecordingMailTransport::Answer::Refuse, RecordingMailTransport::Answer::Throw}) {
    RecordingMailTransport transport(answer);
    diagnostics::gSendEMail("Quillpost", "Quillpost List", "Please add me");
    EXPECT_EQ(transport.sent.size(), 1u);
  }
  diagnostics::gSendEMail("Bug", "Bug Report", "no transport installed");
  ASSERT_EQ(handler.boxCount(), 3u);
  for (const auto& box : handler.dialogs().boxes()) {
    EXPECT_EQ(box.prompt, "Error occurred sending email");
    EXPECT_EQ(box.style, 48);
    EXPECT_EQ(box.title, "Scopster v0.916");
  }
  EXPECT_FALSE(std::filesystem::exists(handler.logFile()));
}

TEST_F(SendEmailTest, BugReportSettingFollowsTheVersionText) {
  test_support::MemorySettingsStore store;
  EXPECT_EQ(diagnostics::gnGetSendBugReports(), 0) << "absent: no offer";
  diagnostics::gSaveSendBugReports(1);
  EXPECT_EQ(store.value("SendBugReports"), "");
  EXPECT_EQ(diagnostics::gnGetSendBugReports(), 1);
  diagnostics::gSaveSendBugReports(0);
  EXPECT_EQ(store.value("SendBugReports"), "Scopster v0.916");
  EXPECT_EQ(diagnostics::gnGetSendBugReports(), 0);
  // A decline stored by another version no longer counts.
  diagnostics::gsProductVersion = "Scopster v0.917";
  EXPECT_EQ(diagnostics::gnGetSendBugReports(), 1);
}

}  // namespace
