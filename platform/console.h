#pragma once
// The standard streams of a terminal program.

namespace platform {

// Standard output and error pass bytes through unchanged: a Windows console
// program would otherwise write every "\n" as CR LF.
void useBinaryStandardStreams();

}  // namespace platform
