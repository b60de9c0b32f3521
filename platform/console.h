#pragma once
// The command line and standard streams of a terminal program.

#include <string>
#include <vector>

namespace platform {

// Standard output and error pass bytes through unchanged: a Windows console
// program would otherwise write every "\n" as CR LF.
void useBinaryStandardStreams();

// The arguments after the program's name, as UTF-8 text. Windows hands argv
// over in the ANSI code page, so there they are read from the wide command line.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace platform
