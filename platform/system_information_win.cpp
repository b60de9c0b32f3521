#include "platform/system_information_win.h"

#include <shellapi.h>

#include <array>

#include "platform/system_information.h"

namespace platform {

namespace {
// Reading needs no more: asking for all access fails for every user who may
// not write to HKEY_LOCAL_MACHINE.
constexpr REGSAM kKeyRead = KEY_READ;
constexpr DWORD kValueBufferSize = 1024;
constexpr const char* kProgramKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class OpenKey {
 public:
  OpenKey(HKEY root, const std::string& subKey) {
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, kKeyRead, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_ != nullptr) ::RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// A file a folder search with the normal attributes would show.
bool isNormalFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}
}  // namespace

std::optional<std::string> readRegistryText(HKEY root, const std::string& subKey, const std::string& valueName) {
  const OpenKey key(root, subKey);
  if (key.get() == nullptr) return std::nullopt;
  std::array<char, kValueBufferSize> buffer{};
  DWORD type = 0;
  DWORD size = kValueBufferSize;
  const LONG result = ::RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
  if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  // The stored length may or may not count the terminating NUL.
  std::string text(buffer.data(), size);
  if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

std::optional<std::string> findSystemInformationProgramUnder(HKEY root) {
  if (auto program = readRegistryText(root, kProgramKey, "PATH"); program && !program->empty()) return program;
  auto folder = readRegistryText(root, kFolderKey, "MSINFO");
  if (!folder || folder->empty()) return std::nullopt;
  const std::string program = *folder + "\\MSINFO32.EXE";
  return isNormalFile(program) ? program : *folder;
}

std::optional<std::string> findSystemInformationProgram() {
  return findSystemInformationProgramUnder(HKEY_LOCAL_MACHINE);
}

bool startSystemInformationProgram(const std::string& program) {
  // The shell would open a folder in a file window; only a program may start.
  if (program.find('\0') != std::string::npos || !isNormalFile(program)) return false;
  const HINSTANCE result = ::ShellExecuteA(nullptr, "open", program.c_str(), "", "", SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace platform
