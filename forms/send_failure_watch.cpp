#include "forms/send_failure_watch.h"

#include <utility>

#include "diagnostics/send_email.h"
#include "runtime/vb_error.h"

namespace forms {

namespace {

diagnostics::Dialogs& dialogsOf(const diagnostics::ErrorHandlerSetup& setup) {
  if (setup.dialogs == nullptr) vb::raise(vb::err::ObjectNotSet);
  return *setup.dialogs;
}

}  // namespace

SendFailureWatch::SendFailureWatch()
    : installed_(diagnostics::errorHandlerSetup()), dialogs_(dialogsOf(installed_)) {
  diagnostics::ErrorHandlerSetup watching = installed_;
  watching.dialogs = this;
  diagnostics::installErrorHandler(std::move(watching));
}

SendFailureWatch::~SendFailureWatch() { diagnostics::installErrorHandler(installed_); }

int SendFailureWatch::messageBox(std::string_view prompt, int style, std::string_view title) {
  if (prompt == diagnostics::kSendFailedText) sendFailed_ = true;
  return dialogs_.messageBox(prompt, style, title);
}

std::string SendFailureWatch::openFile(const diagnostics::FileOpenRequest& request) {
  return dialogs_.openFile(request);
}

std::string SendFailureWatch::multiLineText(std::string_view caption) { return dialogs_.multiLineText(caption); }

}  // namespace forms
