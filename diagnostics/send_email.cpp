#include "diagnostics/send_email.h"

#include <iostream>

#include "diagnostics/app_globals.h"
#include "diagnostics/dialogs.h"
#include "diagnostics/error_handler.h"
#include "platform/application_info.h"
#include "platform/settings_store.h"

namespace diagnostics {

namespace {

platform::MailTransport*& installedTransport() {
  static platform::MailTransport* transport = nullptr;
  return transport;
}

bool handOver(const platform::MailMessage& message) {
  platform::MailTransport* transport = installedTransport();
  if (transport == nullptr) return false;
  try {
    return transport->send(message);
  } catch (const std::exception&) {
    // The sender's own trap: every failure ends in the one box below.
    return false;
  }
}

void showSendFailure() {
  Dialogs* dialogs = errorHandlerSetup().dialogs;
  if (dialogs == nullptr) {
    std::cerr << kSendFailedText << '\n';
    return;
  }
  dialogs->messageBox(kSendFailedText, msgbox::OkOnly | msgbox::Exclamation, gsMsgBoxTitle);
}

std::string_view applicationSection() { return platform::ApplicationInfo::kTitle; }

}  // namespace

void installMailTransport(platform::MailTransport* transport) { installedTransport() = transport; }

platform::MailTransport* installedMailTransport() { return installedTransport(); }

std::string mailRecipient(std::string_view prefix) {
  std::string recipient(prefix);
  recipient.append(platform::ApplicationInfo::kProductName).append(gsVersionText());
  return recipient.append("@").append(platform::ApplicationInfo::kMailDomain);
}

std::string mailSubject(std::string_view head) {
  std::string subject(head);
  subject.append(" ").append(platform::ApplicationInfo::kProductName).append(" ");
  return subject.append(gsVersionText());
}

void gSendEMail(std::string_view prefix, std::string_view subjectHead, std::string_view body) {
  const platform::MailMessage message{mailRecipient(prefix), mailSubject(subjectHead), std::string(body)};
  if (!handOver(message)) showSendFailure();
}

std::int32_t gnGetSendBugReports() {
  const std::string value = platform::getSetting(applicationSection(), kSendBugReportsKey, gsProductVersion);
  return value != gsProductVersion ? 1 : 0;
}

void gSaveSendBugReports(std::int16_t value) {
  platform::saveSetting(applicationSection(), kSendBugReportsKey, value == 0 ? gsProductVersion : "");
}

}  // namespace diagnostics
