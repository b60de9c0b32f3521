#pragma once
// Whether gSendEMail handed its message over. The sender tells of a failure
// only by its one message box, so while a watch lives it stands between the
// error handler's dialogs and the sender, noting that box and passing every
// question on unchanged.

#include <string>
#include <string_view>

#include "diagnostics/dialogs.h"
#include "diagnostics/error_handler.h"

namespace forms {

class SendFailureWatch : public diagnostics::Dialogs {
 public:
  // Raises Object variable not set (91) when no dialogs are installed.
  SendFailureWatch();
  ~SendFailureWatch() override;
  SendFailureWatch(const SendFailureWatch&) = delete;
  SendFailureWatch& operator=(const SendFailureWatch&) = delete;

  // The failure box was shown since the watch began.
  bool sendFailed() const { return sendFailed_; }

  int messageBox(std::string_view prompt, int style, std::string_view title) override;
  std::string openFile(const diagnostics::FileOpenRequest& request) override;
  std::string multiLineText(std::string_view caption) override;

 private:
  diagnostics::ErrorHandlerSetup installed_;
  diagnostics::Dialogs& dialogs_;
  bool sendFailed_ = false;
};

}  // namespace forms
