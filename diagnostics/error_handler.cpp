#include "diagnostics/error_handler.h"

#include <array>
#include <cstdio>
#include <iostream>

#include "diagnostics/app_globals.h"
#include "platform/application_info.h"
#include "platform/log_file.h"
#include "runtime/codepage.h"
#include "runtime/vb_time.h"

namespace diagnostics {

namespace {
ErrorHandlerSetup& setupStorage() {
  static ErrorHandlerSetup setup;
  return setup;
}

constexpr std::string_view kCrLf = "\r\n";
constexpr int kProgramDefinedStyle = msgbox::OkOnly | msgbox::Exclamation;  // 48
constexpr int kRuntimeStyle = msgbox::AbortRetryIgnore | msgbox::Exclamation | msgbox::DefaultButton2;  // 306

std::string currentDateTime() {
  const std::tm now = vb::localNow();
  return vb::formatShortDate(now) + " " + vb::formatLongTime(now);
}

// The file the last record went to, read back by the bug-report offer.
std::filesystem::path& lastLogStorage() {
  static std::filesystem::path file;
  return file;
}

// The log must never take the handler down: the fallback folder is tried, and
// when that fails too the record goes to standard error so it is not lost,
// with the cause of the last attempt. Returns the file written, empty when none.
std::filesystem::path appendToSomeLog(const ErrorHandlerSetup& setup, std::string_view entry) {
  // What is left when neither log is set: an installed program run by a user
  // without a per-user data folder.
  std::string cause = "no per-user data folder: neither XDG_DATA_HOME nor HOME is set";
  if (!setup.logFile.empty()) {
    try {
      gErrorLogAppend(setup.logFile, entry);
      return setup.logFile;
    } catch (const vb::VbError& failure) {
      cause = failure.description();
    }
  }
  if (!setup.fallbackLogFile.empty()) {
    try {
      platform::makePrivateFolder(setup.fallbackLogFile.parent_path());
      gErrorLogAppend(setup.fallbackLogFile, entry);
      return setup.fallbackLogFile;
    } catch (const vb::VbError& failure) {
      cause = failure.description();
    }
  }
  std::cerr << "Scopster: the error log could not be written (" << cause << "):\n\"" << entry << "\"\n";
  return {};
}

// The failure's file, as a line of its own after the description. The record
// and the box are Windows-1252 text; a character it cannot spell shows as "?".
std::string fileLine(const vb::VbError& pending) {
  return pending.file().empty() ? std::string() : "File: " + vb::utf8ToCp1252(pending.file());
}

int askUser(const ErrorHandlerSetup& setup, std::string_view prompt, int style) {
  if (setup.dialogs == nullptr) {
    std::cerr << "Error!\n" << prompt << '\n';
    return msgbox::Abort;
  }
  return setup.dialogs->messageBox(prompt, style, "Error!");
}
}  // namespace

void installErrorHandler(ErrorHandlerSetup setup) {
  setupStorage() = std::move(setup);
  lastLogStorage().clear();
}
const ErrorHandlerSetup& errorHandlerSetup() { return setupStorage(); }
const std::filesystem::path& lastErrorLog() { return lastLogStorage(); }

ErrorHandlerSetup defaultErrorHandlerSetup(Dialogs* dialogs) {
  const std::string logName = std::string(platform::ApplicationInfo::kExeName) + ".log";
  ErrorHandlerSetup setup;
  setup.dialogs = dialogs;
  // An installed program's folder is the system's (often /usr/bin): its log
  // belongs to the user, also when the user is root, so it has only the
  // per-user log, whose folders are made private before each write.
  const std::filesystem::path folder = platform::applicationFolder();
  const std::filesystem::path userFolder = platform::userDataFolder();
  if (!platform::isInstalledProgram(folder)) setup.logFile = folder / logName;
  if (!userFolder.empty()) setup.fallbackLogFile = userFolder / logName;
  return setup;
}

std::string versionText(std::int32_t major, std::int32_t minor) {
  std::array<char, 40> text{};
  std::snprintf(text.data(), text.size(), "v%d.%03d", static_cast<int>(major), static_cast<int>(minor));
  return text.data();
}

std::string gsVersionText() {
  return versionText(platform::ApplicationInfo::kMajorVersion, platform::ApplicationInfo::kMinorVersion);
}

std::string locationText(std::string_view objectName, std::string_view procedureName,
                         std::int32_t lineNumber, const vb::VbError& pending) {
  std::string text = std::string(objectName) + "." + std::string(procedureName) + ".";
  if (pending.number() == vb::kProgramDefinedError) return text + pending.source();
  return text + std::to_string(lineNumber);
}

std::string errorLogEntry(std::string_view dateTime, std::string_view location, const vb::VbError& pending) {
  std::string entry;
  entry.append(dateTime).append("  ").append(gsOSVersion).append("  Locale: ").append(gsUserRegion).append(kCrLf);
  entry.append(platform::ApplicationInfo::kProductName).append(" ").append(gsVersionText()).append("  ");
  entry.append(location).append(kCrLf);
  entry.append("DllError: ").append(std::to_string(pending.lastDllError()));
  entry.append("  ErrNo: ").append(std::to_string(pending.number())).append("  ");
  entry.append(pending.description()).append(kCrLf);
  if (!pending.file().empty()) entry.append(fileLine(pending)).append(kCrLf);
  return entry;
}

void gErrorLogAppend(const std::filesystem::path& fileName, std::string_view text) {
  std::string record;
  record.reserve(text.size() + 4);
  record.append("\"").append(text).append("\"").append(kCrLf);
  platform::appendLogRecord(fileName, record);
}

std::int16_t gnErrorHandler(std::string_view objectName, std::string_view procedureName,
                            std::int32_t lineNumber, const vb::VbError& pending) {
  const ErrorHandlerSetup& setup = errorHandlerSetup();
  const bool programDefined = pending.number() == vb::kProgramDefinedError;
  const std::string location = locationText(objectName, procedureName, lineNumber, pending);
  lastLogStorage() = appendToSomeLog(setup, errorLogEntry(currentDateTime(), location, pending));

  if (setup.beforeAsking) setup.beforeAsking(pending);
  std::string prompt = "Source: " + location + "\r\n\r\n" + pending.description();
  if (!pending.file().empty()) prompt.append(kCrLf).append(fileLine(pending));
  int answer = askUser(setup, prompt, programDefined ? kProgramDefinedStyle : kRuntimeStyle);
  if (answer == msgbox::Ok) answer = msgbox::Abort;
  if (answer != msgbox::Retry && answer != msgbox::Ignore) answer = msgbox::Abort;
  if (answer == msgbox::Abort && setup.offerBugReport) setup.offerBugReport();
  return static_cast<std::int16_t>(answer);
}

}  // namespace diagnostics
