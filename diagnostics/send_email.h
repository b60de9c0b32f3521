#pragma once
// The e-mail sender that the bug report and the About box use, and the
// per-user switch for the bug-report offer.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/mail_transport.h"

namespace diagnostics {

// The transport gSendEMail hands messages to; installed once at start-up
// (tests install their own). Without one, every send fails.
void installMailTransport(platform::MailTransport* transport);
// The transport installed now; null when none is.
platform::MailTransport* installedMailTransport();

// prefix + "Scopster" + version text + "@" + the maker's mail domain.
std::string mailRecipient(std::string_view prefix);
// head + " Scopster " + version text (an empty head leaves a leading blank).
std::string mailSubject(std::string_view head);

// Sends one message to the maker. Any failure shows "Error occurred sending
// email" and nothing else: nothing is retried, nothing is logged.
void gSendEMail(std::string_view prefix, std::string_view subjectHead, std::string_view body);
inline constexpr std::string_view kSendFailedText = "Error occurred sending email";

// 1 when bug reports are to be offered, 0 when the user declined for this
// version (or never said). Raises the settings store's failure.
std::int32_t gnGetSendBugReports();
// 0 stores the decline (the product-version text), anything else the empty
// text (offered). Raises the settings store's failure.
void gSaveSendBugReports(std::int16_t value);
inline constexpr std::string_view kSendBugReportsKey = "SendBugReports";

}  // namespace diagnostics
