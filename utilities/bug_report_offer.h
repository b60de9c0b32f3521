#pragma once
// The offer, after an Abort, to mail the end of the error log to the maker.

#include <functional>

#include "utilities/line_reader.h"

namespace utilities {

// At most this many of the log's last lines are mailed.
inline constexpr std::int32_t kBugReportLines = 151;

// The lines from max(1, count - 150) to count, each followed by CR LF.
std::string bugReportBody(const LineList& lines);

// Runs the offer: nothing when bug reports are switched off or the log is
// empty; otherwise askToSend (the question dialog, true for Yes) and on Yes
// the mail. A failure to read the setting or the log must not re-enter the
// error handler that runs this: it is written to standard error and no
// offer is made.
void offerBugReport(const std::function<bool()>& askToSend);

}  // namespace utilities
