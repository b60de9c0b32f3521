#pragma once
// The one error-trap mechanism. A trapped procedure runs its body as numbered
// steps; a failing step is reported to gnErrorHandler and then run again
// (Retry), skipped (Ignore), or ends the procedure with bError set (Abort):
//
//   ErrorTrap trap{"frmScopster", "mAnalyse", bError};
//   if (!trap.step(1, [&] { ... })) return;

#include <cstdint>
#include <exception>
#include <new>
#include <string_view>
#include <utility>

#include "runtime/vb_error.h"

namespace diagnostics {

class ErrorTrap {
 public:
  ErrorTrap(std::string_view objectName, std::string_view procedureName, bool& bError) noexcept
      : objectName_(objectName), procedureName_(procedureName), bError_(bError) {}

  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  // Runs the step until it succeeds, is ignored or aborted. Returns false when
  // the procedure must return (this step or an earlier one was aborted).
  template <typename Body>
  bool step(std::int32_t lineNumber, Body&& body) {
    if (aborted_) return false;
    for (;;) {
      Outcome outcome = Outcome::Done;
      try {
        std::forward<Body>(body)();
      } catch (const vb::VbError& failure) {
        outcome = report(lineNumber, failure);
      } catch (const std::bad_alloc&) {
        outcome = report(lineNumber, vb::VbError::standard(vb::err::OutOfMemory));
      } catch (const std::exception& failure) {
        outcome = report(lineNumber, internalError(failure));
      }
      if (outcome != Outcome::Retry) return outcome != Outcome::Aborted;
    }
  }

  bool aborted() const noexcept { return aborted_; }

 private:
  enum class Outcome { Done, Retry, Aborted };

  Outcome report(std::int32_t lineNumber, const vb::VbError& failure);
  static vb::VbError internalError(const std::exception& failure);

  std::string_view objectName_;
  std::string_view procedureName_;
  bool& bError_;
  bool aborted_ = false;
};

}  // namespace diagnostics
