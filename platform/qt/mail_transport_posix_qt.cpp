#include "platform/qt/mail_transport_posix_qt.h"

#include <QDesktopServices>

#include <cstring>
#include <iostream>

#include "platform/child_process_posix.h"
#include "platform/qt/qt_text.h"

namespace platform {

namespace {

// Control characters (CR and LF above all) would end the header line and let
// the text add headers of its own; they become blanks.
QString headerText(const std::string& cp1252) {
  QString text = qStringFromCp1252(cp1252);
  for (QChar& character : text) {
    if (character.unicode() < 0x20 || character.unicode() == 0x7F) character = u' ';
  }
  return text;
}

bool isAscii(const QString& text) {
  for (const QChar character : text) {
    if (character.unicode() > 0x7F) return false;
  }
  return true;
}

// RFC 2047 keeps a subject with letters outside ASCII intact through mail
// servers that take headers as ASCII.
QByteArray encodedSubject(const QString& subject) {
  if (isAscii(subject)) return subject.toLatin1();
  return "=?UTF-8?B?" + subject.toUtf8().toBase64() + "?=";
}

// Local mail agents end lines with LF; a CR left in would reach the mail as
// part of the line.
QByteArray lfLineEnds(QByteArray text) {
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  return text;
}

// The user sees only the one failure of sending; why sendmail did not even
// start goes to standard error.
void reportNotStarted(const std::filesystem::path& sendmail, int errorNumber) {
  std::cerr << "Scopster: " << sendmail.string() << " could not be started (error " << errorNumber << ": "
            << std::strerror(errorNumber) << ")\n";
}

class DesktopMailTransport : public MailTransport {
 public:
  explicit DesktopMailTransport(SendmailSearch search) : search_(std::move(search)) {}

  bool send(const MailMessage& message) override {
    if (const auto sendmail = findSendmail(search_)) {
      const QByteArray bytes = sendmailMessage(message);
      const ChildResult result = runWithInput(*sendmail, {sendmail->string(), "-t", "-i"},
                                              std::string_view(bytes.constData(), bytes.size()),
                                              search_.timeout, search_.yield);
      if (result.outcome == ChildOutcome::NotStarted) reportNotStarted(*sendmail, result.errorNumber);
      return result.outcome == ChildOutcome::Succeeded;
    }
    return QDesktopServices::openUrl(mailtoUrl(message));
  }

 private:
  SendmailSearch search_;
};

}  // namespace

std::optional<std::filesystem::path> findSendmail(const SendmailSearch& search) {
  for (const std::filesystem::path& location : search.fixedLocations) {
    if (auto found = findOnPath(location.filename().string(), location.parent_path().string())) {
      return found;
    }
  }
  return findOnPath("sendmail", search.pathVariable ? *search.pathVariable : currentPathVariable());
}

QByteArray sendmailMessage(const MailMessage& message) {
  QByteArray bytes;
  bytes += "To: " + headerText(message.recipient).toUtf8() + "\n";
  bytes += "Subject: " + encodedSubject(headerText(message.subject)) + "\n";
  bytes += "MIME-Version: 1.0\n";
  bytes += "Content-Type: text/plain; charset=UTF-8\n";
  bytes += "Content-Transfer-Encoding: 8bit\n";
  bytes += "\n";
  bytes += lfLineEnds(qStringFromCp1252(message.body).toUtf8());
  return bytes;
}

QUrl mailtoUrl(const MailMessage& message) {
  QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(headerText(message.recipient), "@");
  encoded += "?subject=" + QUrl::toPercentEncoding(headerText(message.subject));
  encoded += "&body=" + QUrl::toPercentEncoding(qStringFromCp1252(message.body));
  return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

std::unique_ptr<MailTransport> desktopMailTransport(SendmailSearch search) {
  return std::make_unique<DesktopMailTransport>(std::move(search));
}

std::unique_ptr<MailTransport> systemMailTransport() { return desktopMailTransport(SendmailSearch{}); }

}  // namespace platform
