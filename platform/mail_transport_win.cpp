#include "platform/mail_transport_win.h"

#include <windows.h>
#include <mapi.h>

#include <utility>

namespace platform {

namespace {
// The loaded library, released on every way out.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const std::string& name)
      : module_(::LoadLibraryExA(name.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
  ~LoadedLibrary() {
    if (module_ != nullptr) ::FreeLibrary(module_);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  LPMAPISENDMAIL sendMail() const {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void*>(::GetProcAddress(module_, "MAPISendMail")));
  }

 private:
  HMODULE module_;
};

// Simple MAPI takes writable ANSI texts; these copies live as long as the call.
struct MessageTexts {
  std::string name;
  std::string address;
  std::string subject;
  std::string body;
};

MessageTexts textsOf(const MailMessage& message) {
  return {message.recipient, "SMTP:" + message.recipient, message.subject, message.body};
}
}  // namespace

SimpleMapiTransport::SimpleMapiTransport(std::string library) : library_(std::move(library)) {}

bool SimpleMapiTransport::send(const MailMessage& message) {
  const LoadedLibrary library(library_);
  const LPMAPISENDMAIL sendMail = library.sendMail();
  if (sendMail == nullptr) return false;

  MessageTexts texts = textsOf(message);
  MapiRecipDesc recipient{};
  recipient.ulRecipClass = MAPI_TO;
  recipient.lpszName = texts.name.data();
  recipient.lpszAddress = texts.address.data();
  MapiMessage mail{};
  mail.lpszSubject = texts.subject.data();
  mail.lpszNoteText = texts.body.data();
  mail.nRecipCount = 1;
  mail.lpRecips = &recipient;
  // The mail client may ask which profile to sign on with; it shows no send dialog.
  return sendMail(0, 0, &mail, MAPI_LOGON_UI, 0) == SUCCESS_SUCCESS;
}

std::unique_ptr<MailTransport> systemMailTransport() { return std::make_unique<SimpleMapiTransport>(); }

}  // namespace platform
