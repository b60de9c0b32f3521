#pragma once
// The system-information program that the About box offers to start.

#include <optional>
#include <string>

namespace platform {

// The program to start, or nullopt when this system has none.
std::optional<std::string> findSystemInformationProgram();

// Starts the program detached, without a shell and without arguments; false
// when it could not be started.
bool startSystemInformationProgram(const std::string& program);

}  // namespace platform
