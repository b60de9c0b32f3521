#pragma once
// Starting other programs: always from an argument vector, never through a
// shell, so no text we pass can be read as a command.

#include <chrono>
#include <filesystem>
#include <functional>
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

struct ChildResult {
  ChildOutcome outcome = ChildOutcome::NotStarted;
  int errorNumber = 0;  // the errno value why it was not started; 0 otherwise
};

// Runs program with arguments (argv[0] is the program), standard input read
// from input, and waits at most timeout, calling yield (when set) between
// looks at the child so that the caller's events go on. A child still
// running then is killed with its whole process group.
ChildResult runWithInput(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         std::string_view input, std::chrono::milliseconds timeout,
                         const std::function<void()>& yield = {});

// Starts program without arguments in a session of its own and does not wait
// for it; the caller is left no child to reap. False when it could not be
// started (not found, not executable, no process to spare).
bool startDetached(const std::filesystem::path& program);

}  // namespace platform
