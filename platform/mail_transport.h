#pragma once
// Hands a plain-text message to the system's mail service, without asking the
// user anything. Texts are Windows-1252 bytes; each transport converts them.

#include <memory>
#include <string>

namespace platform {

struct MailMessage {
  std::string recipient;
  std::string subject;
  std::string body;
};

class MailTransport {
 public:
  virtual ~MailTransport() = default;
  // True when the message was handed over; false is the one failure, with
  // nothing else reported.
  virtual bool send(const MailMessage& message) = 0;
};

// The system's own transport: Simple MAPI on Windows (in platform), sendmail
// then the desktop's mail client elsewhere (in platform_qt, as the mail
// client is reached through the GUI application).
std::unique_ptr<MailTransport> systemMailTransport();

}  // namespace platform
