#include "diagnostics/error_trap.h"

#include <string>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"

namespace diagnostics {

ErrorTrap::Outcome ErrorTrap::report(std::int32_t lineNumber, const vb::VbError& failure) {
  const std::int16_t answer = gnErrorHandler(objectName_, procedureName_, lineNumber, failure);
  gnErrorAnswer = answer;
  if (answer == kAnswerRetry) return Outcome::Retry;
  if (answer == kAnswerIgnore) return Outcome::Done;
  bError_ = true;
  aborted_ = true;
  return Outcome::Aborted;
}

vb::VbError ErrorTrap::internalError(const std::exception& failure) {
  return vb::VbError(vb::err::InternalError, std::string("Internal error: ") + failure.what());
}

}  // namespace diagnostics
