#pragma once
// General routines: text helpers, the busy pause, the system version text,
// the help command and the main window's start-up sequence.
// Texts are Windows-1252 bytes, one byte per character.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/system_services.h"
#include "utilities/general_routines.h"
#include "utilities/os_version.h"
#include "utilities/placement.h"

namespace utilities {

// Opens a file with its viewer, with platform::openFile's results. Passed
// in, so that these routines need no desktop toolkit.
using DocumentOpener = std::function<std::int32_t(const std::filesystem::path&)>;

// Opens the help from the application's folder with its viewer: the
// compiled Scopster.chm, or where HTML is preferred and present, the page
// help/index.html. Neither there is the ShellExecute failure 2. An empty
// opener raises Object variable not set (91).
void gGShowHelp(const DocumentOpener& open, bool& bError);
// The same for the help in folder (the application's folder in gGShowHelp).
void showHelpIn(const std::filesystem::path& folder, const DocumentOpener& open, bool& bError);
// The document to open from folder.
std::filesystem::path helpFilePath(const std::filesystem::path& folder);

// The main window's start-up: version text, message box title, region-change
// check and restored placement, in that order.
void gGStartUpSetStuff(PlaceableWindow& window, bool& bError);

}  // namespace utilities
