#pragma once
// The offer, after an Abort, to mail the end of the error log to the maker.

#include <filesystem>
#include <functional>

#include "utilities/line_reader.h"

namespace utilities {

// At most this many of the log's last lines are mailed.
inline constexpr std::int32_t kBugReportLines = 151;

// The lines from max(1, count - 150) to count, each followed by CR LF.
std::string bugReportBody(const LineList& lines);

// Runs the offer for the log that the error handler's last record went to
// (diagnostics::lastErrorLog(), none when the record reached no file).
void offerBugReport(const std::function<bool()>& askToSend);
// The offer for logFile: nothing when bug reports are switched off or the log
// is empty or absent; otherwise askToSend (the question dialog, true for Yes)
// and on Yes the mail. A failure to read the setting or the log must not
// re-enter the error handler that runs this: it is written to standard error
// and no offer is made.
void offerBugReport(const std::filesystem::path& logFile, const std::function<bool()>& askToSend);

}  // namespace utilities
