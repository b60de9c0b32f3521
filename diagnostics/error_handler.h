#pragma once
// The central error handler: logs the failure, asks Abort/Retry/Ignore, and
// returns the answer to the error trap that called it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "diagnostics/dialogs.h"
#include "runtime/vb_error.h"

namespace diagnostics {

inline constexpr std::int16_t kAnswerAbort = 3;
inline constexpr std::int16_t kAnswerRetry = 4;
inline constexpr std::int16_t kAnswerIgnore = 5;

// What the handler needs from the application; installed once at start-up
// (tests install their own).
struct ErrorHandlerSetup {
  Dialogs* dialogs = nullptr;
  std::filesystem::path logFile;          // Scopster.log in the application's folder; empty when installed
  std::filesystem::path fallbackLogFile;  // used when logFile cannot be written; empty without a per-user folder
  std::function<void()> offerBugReport;   // runs after an Abort, when set
  // Sees each failure before the user is asked (the terminal tool notes the
  // file it was about), when set.
  std::function<void(const vb::VbError&)> beforeAsking;
};

void installErrorHandler(ErrorHandlerSetup setup);
const ErrorHandlerSetup& errorHandlerSetup();
// The log file that the handler's last record went to (logFile or
// fallbackLogFile); empty before the first record and when it went to neither.
const std::filesystem::path& lastErrorLog();
// The setup of a normal start: the log beside the executable, the fallback in
// the per-user data folder; an installed program logs only to the latter.
ErrorHandlerSetup defaultErrorHandlerSetup(Dialogs* dialogs);

// Reports one failure and returns 3 (Abort), 4 (Retry) or 5 (Ignore). A
// failure about a file (pending.file()) adds the line "File: " and the file
// after the description, in the record and in the box.
std::int16_t gnErrorHandler(std::string_view objectName, std::string_view procedureName,
                            std::int32_t lineNumber, const vb::VbError& pending);

// Appends one record: a double quote, text, a double quote, CR LF. Creates the
// file when absent. Raises the file error when it cannot be written.
void gErrorLogAppend(const std::filesystem::path& fileName, std::string_view text);

// "v" + major + "." + minor with at least three digits: "v0.916".
std::string gsVersionText();
std::string versionText(std::int32_t major, std::int32_t minor);

// The three entry lines of a log record, each ended by CR LF, and the file
// line when the failure names a file.
std::string errorLogEntry(std::string_view dateTime, std::string_view locationText,
                          const vb::VbError& pending);
// object.procedure.line, or object.procedure.source for program-defined errors.
std::string locationText(std::string_view objectName, std::string_view procedureName,
                         std::int32_t lineNumber, const vb::VbError& pending);

}  // namespace diagnostics
