#pragma once
// A file opened for reading, one implementation per system (file_bytes_posix,
// file_bytes_win); what is done with it is the same on both (file_bytes.cpp).
// Every failure raises the file error (vb::VbError).

#include <cstddef>
#include <filesystem>

namespace utilities {

class ReadOnlyFile {
 public:
  // Never waits on the open: a named pipe put where the file was a moment
  // ago must not make it wait for a writer that never comes.
  explicit ReadOnlyFile(const std::filesystem::path& path);
  // Runs on its own only on the way out of an earlier failure, which is the
  // one reported; close() reports its own.
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Asked of what was really opened: a device or pipe under a file's name
  // could make a read wait for ever.
  bool isRegularFile() const;
  // The size the system reports; 0 where it reports none (under /proc).
  std::size_t expectedSize() const;
  // Reads at most size bytes into buffer; 0 at the end of the file.
  std::size_t readSome(char* buffer, std::size_t size) const;
  void close();

 private:
#ifdef _WIN32
  void* handle_;  // a HANDLE
#else
  int fd_;
#endif
};

}  // namespace utilities
