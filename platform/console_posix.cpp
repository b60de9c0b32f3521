#include "platform/console.h"

namespace platform {

// POSIX streams never translate line ends.
void useBinaryStandardStreams() {}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  if (argc < 1) return {};
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace platform
