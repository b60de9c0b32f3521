#pragma once
// The system-information program that the About box offers to start.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Where there is no registry, the first of these found on the search path.
inline constexpr std::array<std::string_view, 4> kSystemInformationPrograms{
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"};

// The program to start, or nullopt when this system has none.
std::optional<std::string> findSystemInformationProgram();
// The same, searching the given ':'-separated folders (POSIX only).
std::optional<std::string> findSystemInformationProgram(std::string_view pathVariable);

// Starts the program detached, without a shell and without arguments; false
// when it could not be started.
bool startSystemInformationProgram(const std::string& program);

}  // namespace platform
