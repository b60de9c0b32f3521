#include "utilities/vb_path.h"

#include "platform/windows_text.h"

namespace utilities {

// Windows reads a project's paths as they are written: "\" is its separator
// and its file names ignore letter case already.
std::filesystem::path nativePath(std::string_view vbPath) {
  return std::filesystem::path(platform::wideFromAnsi(vbPath));
}

}  // namespace utilities
