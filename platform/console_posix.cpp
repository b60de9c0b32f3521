#include "platform/console.h"

namespace platform {

// POSIX streams never translate line ends.
void useBinaryStandardStreams() {}

}  // namespace platform
