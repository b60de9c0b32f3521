#include "utilities/file_bytes.h"

#include "runtime/vb_error.h"
#include "utilities/folder_search.h"
#include "utilities/vb_path.h"

namespace utilities {

std::optional<std::string> readVisibleFile(const std::string& fileName) {
  // A name holding a NUL names no file: the system would open the name cut
  // at the NUL, which is not the file the caller shows.
  if (fileName.find('\0') != std::string::npos) return std::nullopt;
  if (fileName.find_first_of("*?") != std::string::npos) {
    vb::VbError failure = vb::VbError::standard(vb::err::BadFileNameOrNumber);
    failure.setFile(fileName);
    throw failure;
  }
  try {
    const std::filesystem::path path = nativePath(fileName);
    if (!isVisibleFile(path)) return std::nullopt;
    return readRegularFile(path);
  } catch (vb::VbError& failure) {
    failure.setFile(fileName);
    throw;
  }
}

}  // namespace utilities
