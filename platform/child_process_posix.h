#pragma once
// Starting other programs: always from an argument vector, never through a
// shell, so no text we pass can be read as a command.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The first regular, executable file called name in the ':'-separated folder
// list pathVariable (empty entries and relative folders are skipped, as a
// program found through them would depend on the current directory).
std::optional<std::filesystem::path> findOnPath(std::string_view name, std::string_view pathVariable);
// The PATH of this process ("" when unset).
std::string currentPathVariable();

enum class ChildOutcome { Succeeded, NotStarted, FailedExit, TimedOut };

// Runs program with arguments (argv[0] is the program), standard input read
// from input, and waits at most timeout. A child still running then is killed
// with its whole process group.
ChildOutcome runWithInput(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                          std::string_view input, std::chrono::milliseconds timeout);

// Starts program without arguments in a session of its own and does not wait
// for it; the caller is left no child to reap. False when it could not be
// started (not found, not executable, no process to spare).
bool startDetached(const std::filesystem::path& program);

}  // namespace platform
