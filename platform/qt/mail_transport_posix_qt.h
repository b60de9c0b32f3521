#pragma once
// The mail transport of systems without Simple MAPI: the message is piped to a
// sendmail-compatible program when there is one, and otherwise handed to the
// desktop's mail client as a mailto: address.

#include <QByteArray>
#include <QCoreApplication>
#include <QEventLoop>
#include <QUrl>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/mail_transport.h"

namespace platform {

struct SendmailSearch {
  // Tried in this order before the folders of the search path.
  std::vector<std::filesystem::path> fixedLocations{"/usr/sbin/sendmail", "/usr/lib/sendmail"};
  // The ':'-separated folders searched for "sendmail"; nullopt reads PATH at
  // the moment of sending.
  std::optional<std::string> pathVariable;
  // A sendmail still running after this long is killed: the send failed.
  std::chrono::milliseconds timeout{std::chrono::seconds(30)};
  // Called while sendmail runs; by default the window's events go on (all
  // but the user's input, which could start a command inside the error
  // handler that is sending).
  std::function<void()> yield = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
};

std::optional<std::filesystem::path> findSendmail(const SendmailSearch& search);

// The whole message as sendmail -t reads it: To, Subject, MIME headers, a
// blank line and the body, in UTF-8, every line ended by LF alone (a CR LF or
// lone CR of the body becomes LF). CR and LF never reach a header.
QByteArray sendmailMessage(const MailMessage& message);
// mailto:recipient?subject=...&body=..., every part percent-encoded.
QUrl mailtoUrl(const MailMessage& message);

std::unique_ptr<MailTransport> desktopMailTransport(SendmailSearch search);

}  // namespace platform
