#include <cerrno>
#include <cstdio>

#include "diagnostics/log_file.h"
#include "runtime/vb_error.h"

namespace diagnostics {

void appendToFile(const std::filesystem::path& fileName, std::string_view bytes) {
  std::FILE* file = std::fopen(fileName.c_str(), "ab");
  if (file == nullptr) throw vb::VbError::fromErrno(errno);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int writeErrno = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) throw vb::VbError::fromErrno(written ? errno : writeErrno);
}

}  // namespace diagnostics
