#include "utilities/file_bytes.h"

#include <algorithm>

#include "runtime/vb_error.h"
#include "utilities/folder_search.h"
#include "utilities/read_only_file.h"
#include "utilities/vb_path.h"

namespace utilities {

namespace {
std::string readAll(const ReadOnlyFile& file) {
  // One byte beyond the expected size lets the read that finds the end
  // happen without growing the buffer; files that report no size (under
  // /proc, for one) grow as they are read.
  std::string content(std::max<std::size_t>(file.expectedSize() + 1, 4096), '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == content.size()) content.resize(content.size() * 2);
    const std::size_t got = file.readSome(content.data() + used, content.size() - used);
    if (got == 0) break;
    used += got;
  }
  content.resize(used);
  // Callers keep many small files: the 4 KB floor would outweigh them.
  if (content.capacity() > 2 * used + 64) content.shrink_to_fit();
  return content;
}

bool holdsWildcard(const HeldPath& path) {
  constexpr std::filesystem::path::value_type kWildcards[] = {'*', '?', 0};
  return path.written.find_first_of("*?") != std::string::npos ||
         path.native.native().find_first_of(kWildcards) != std::filesystem::path::string_type::npos;
}
}  // namespace

std::optional<std::string> readRegularFile(const std::filesystem::path& path) {
  ReadOnlyFile file(path);
  if (!file.isRegularFile()) {
    file.close();
    return std::nullopt;
  }
  std::string content = readAll(file);
  file.close();
  return content;
}

std::optional<std::string> readVisibleFile(const HeldPath& fileName) {
  // A name holding a NUL names no file: the system would open the name cut
  // at the NUL, which is not the file the caller shows.
  if (fileName.written.find('\0') != std::string::npos || namesNothing(fileName.native)) return std::nullopt;
  if (holdsWildcard(fileName)) {
    vb::VbError failure = vb::VbError::standard(vb::err::BadFileNameOrNumber);
    failure.setFile(pathText(fileName));
    throw failure;
  }
  try {
    const std::filesystem::path path = nativePath(fileName);
    if (!isVisibleFile(path)) return std::nullopt;
    return readRegularFile(path);
  } catch (vb::VbError& failure) {
    failure.setFile(pathText(fileName));
    throw;
  }
}

}  // namespace utilities
