#include "utilities/bug_report_offer.h"

#include <iostream>

#include "diagnostics/error_handler.h"
#include "diagnostics/send_email.h"
#include "runtime/vb_error.h"

namespace utilities {

namespace {

LineList readLog(const std::filesystem::path& logFile) {
  LineList lines;
  std::string header;
  if (!logFile.empty()) gReadFileLines(HeldPath(logFile), lines, header);
  return lines;
}

}  // namespace

std::string bugReportBody(const LineList& lines) {
  const std::int32_t count = upperBound(lines);
  const std::int32_t first = count > kBugReportLines - 1 ? count - (kBugReportLines - 1) : 1;
  std::string body;
  for (std::int32_t index = first; index <= count; ++index) body.append(lines[static_cast<std::size_t>(index)]).append("\r\n");
  return body;
}

void offerBugReport(const std::function<bool()>& askToSend) {
  offerBugReport(diagnostics::lastErrorLog(), askToSend);
}

void offerBugReport(const std::filesystem::path& logFile, const std::function<bool()>& askToSend) {
  LineList lines;
  try {
    if (diagnostics::gnGetSendBugReports() == 0) return;
    lines = readLog(logFile);
  } catch (const vb::VbError& failure) {
    std::cerr << "Scopster: no bug report offered, the error log could not be read (" << failure.description()
              << ")\n";
    return;
  }
  if (upperBound(lines) == 0) return;
  if (!askToSend()) return;
  diagnostics::gSendEMail("Bug", "Bug Report", bugReportBody(lines));
}

}  // namespace utilities
