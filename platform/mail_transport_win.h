#pragma once
// Windows only: Simple MAPI's MAPISendMail, loaded when a message is sent.

#include <string>

#include "platform/mail_transport.h"

namespace platform {

class SimpleMapiTransport : public MailTransport {
 public:
  // library is the Simple MAPI library's file name, looked up in the system
  // folder only (never beside the program or in the current folder).
  explicit SimpleMapiTransport(std::string library = "MAPI32.DLL");
  // Sends without the mail client's send dialog. A missing library, a missing
  // MAPISendMail or any result other than success is the one failure (false).
  bool send(const MailMessage& message) override;

 private:
  std::string library_;
};

}  // namespace platform
