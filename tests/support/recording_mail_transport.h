#pragma once
// The mail transport's far side, installed for the lifetime of the object:
// keeps what was handed over, and accepts, refuses or throws as told.

#include <stdexcept>
#include <vector>

#include "diagnostics/send_email.h"
#include "platform/mail_transport.h"

namespace test_support {

class RecordingMailTransport : public platform::MailTransport {
 public:
  enum class Answer { Accept, Refuse, Throw };
  explicit RecordingMailTransport(Answer answer = Answer::Accept) : answer_(answer) {
    diagnostics::installMailTransport(this);
  }
  ~RecordingMailTransport() override { diagnostics::installMailTransport(nullptr); }
  RecordingMailTransport(const RecordingMailTransport&) = delete;
  RecordingMailTransport& operator=(const RecordingMailTransport&) = delete;
  bool send(const platform::MailMessage& message) override {
    sent.push_back(message);
    if (answer_ == Answer::Throw) throw std::runtime_error("transport broke");
    return answer_ == Answer::Accept;
  }
  std::vector<platform::MailMessage> sent;

 private:
  Answer answer_;
};

}  // namespace test_support
