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

// Calls onInterrupt for every Ctrl+C instead of ending the program. It runs in
// a signal handler (POSIX) or on the console's own thread (Windows), so it may
// only touch lock-free atomics or end the process with std::_Exit.
void catchInterrupts(void (*onInterrupt)());

}  // namespace platform
