#include "forms/recent_files.h"

#include "diagnostics/error_trap.h"
#include "platform/application_info.h"
#include "platform/settings_store.h"
#include "runtime/vb_strings.h"
#ifdef _WIN32
#include "platform/windows_text.h"
#endif

namespace forms {

namespace {
constexpr std::string_view kModule = "modLastFile";
constexpr std::string_view kSection = platform::ApplicationInfo::kTitle;

std::string entryKey(std::int16_t index) { return "mnuFileLastFile" + std::to_string(index); }

std::string entryCaption(std::int16_t index, std::string_view path) {
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about a
  // literal added to a temporary string at -O2.
  std::string caption = "&";
  caption.append(std::to_string(index)).append(" ").append(path);
  return caption;
}

// The path of a caption: what follows its first blank (the one after the
// "&n" prefix), so blanks inside the path survive renumbering.
std::string captionPath(std::string_view caption) {
  return std::string(vb::Mid(caption, vb::InStr(caption, " ") + 1));
}

// Names the file system takes as one: without regard to case on Windows only.
bool samePath(std::string_view entryPath, std::string_view path) {
#ifdef _WIN32
  return platform::sameIgnoringCase(entryPath, path);
#else
  return entryPath == path;
#endif
}

// The first entry that names the path, or the last entry. The whole path is
// compared: /home/u/A.vbp is not the entry /mnt/b/home/u/A.vbp. An empty path
// is taken as the first entry, so that it changes nothing.
std::int16_t entryHolding(const RecentFileHost& host, std::string_view path, std::int16_t lowest,
                          std::int16_t highest) {
  if (path.empty()) return lowest;
  std::int16_t index = lowest;
  while (index < highest) {
    const std::string caption = host.recentEntryCaption(index);
    if (!caption.empty() && samePath(captionPath(caption), path)) break;
    ++index;
  }
  return index;
}
}  // namespace

void gLastFileRead(RecentFileHost& host, bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gLastFileRead", bError};
  std::int16_t lowest = 0;
  std::int16_t highest = -1;
  if (!trap.step(1, [&] {
        lowest = host.recentLowerBound();
        highest = host.recentUpperBound();
      }))
    return;
  for (std::int16_t index = lowest; index <= highest; ++index) {
    std::string caption;
    if (!trap.step(2, [&] { caption = platform::getSetting(kSection, entryKey(index), ""); })) return;
    if (caption.empty()) continue;
    if (!trap.step(3, [&] { host.setRecentEntryCaption(index, caption); })) return;
    if (!trap.step(4, [&] { host.setRecentEntryVisible(index, true); })) return;
  }
  trap.step(5, [&] {
    if (host.recentEntryVisible(lowest)) host.setRecentSeparatorVisible(true);
  });
}

void gLastFileUpdate(RecentFileHost& host, bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gLastFileUpdate", bError};
  std::int16_t lowest = 0;
  std::int16_t highest = -1;
  std::int16_t found = 0;
  std::string source;

  if (!trap.step(1, [&] {
        lowest = host.recentLowerBound();
        highest = host.recentUpperBound();
        source = host.sourceText();
      }))
    return;
  if (!trap.step(2, [&] { found = entryHolding(host, source, lowest, highest); })) return;
  if (found <= lowest) return;

  for (std::int16_t index = found; index > lowest; --index) {
    if (!trap.step(3, [&] {
          const std::string above = host.recentEntryCaption(static_cast<std::int16_t>(index - 1));
          if (above.empty()) return;
          host.setRecentEntryCaption(index, entryCaption(index, captionPath(above)));
          host.setRecentEntryVisible(index, true);
        }))
      return;
  }
  if (!trap.step(4, [&] {
        host.setRecentEntryCaption(lowest, entryCaption(lowest, source));
        host.setRecentEntryVisible(lowest, true);
        host.setRecentSeparatorVisible(true);
      }))
    return;
  for (std::int16_t index = lowest; index <= highest; ++index)
    if (!trap.step(5, [&] { platform::saveSetting(kSection, entryKey(index), host.recentEntryCaption(index)); }))
      return;
}

}  // namespace forms
