#pragma once
// The recent-file list of the File menu. The menu entries' captions are the
// list: "&<position> <path>", newest first, mirrored into the settings store
// under "mnuFileLastFile1".."mnuFileLastFile4".

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// The window as the recent-file list sees it: the entries mnuFileLastFile,
// their separator mnuFileHyphenLastFile and the project path txtSource.
class RecentFileHost {
 public:
  virtual ~RecentFileHost() = default;
  virtual std::int16_t recentLowerBound() const = 0;
  virtual std::int16_t recentUpperBound() const = 0;
  virtual std::string recentEntryCaption(std::int16_t index) const = 0;
  virtual void setRecentEntryCaption(std::int16_t index, std::string_view caption) = 0;
  virtual bool recentEntryVisible(std::int16_t index) const = 0;
  virtual void setRecentEntryVisible(std::int16_t index, bool visible) = 0;
  virtual void setRecentSeparatorVisible(bool visible) = 0;
  virtual std::string sourceText() const = 0;
};

// Fills and shows the entries from the store; empty stored texts leave their
// entries alone. The separator shows when the first entry does.
void gLastFileRead(RecentFileHost& host, bool& bError);

// Moves the project in txtSource to the top, renumbering the entries it
// passes, and stores all entries. Writes nothing when it is already first
// or txtSource is empty. An entry holds the project when its path (after the
// "&n " prefix) is the whole path, without regard to case on Windows.
void gLastFileUpdate(RecentFileHost& host, bool& bError);

}  // namespace forms
