#pragma once
// Registry helpers for the Windows tests: a key of the test's own, removed
// afterwards, and reg.exe run as another program would run it.

#include <windows.h>

#include <string>

namespace platform_win_test {

// A fresh key under HKEY_CURRENT_USER\Software\ScopsterTests, deleted with
// everything below it when the object goes.
class ScratchKey {
 public:
  ScratchKey();
  ~ScratchKey();
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  HKEY handle() const { return key_; }
  // Path below HKEY_CURRENT_USER.
  const std::string& path() const { return path_; }
  // Writes a REG_SZ value, creating subKey below this key.
  void setText(const std::string& subKey, const std::string& name, const std::string& value) const;

 private:
  std::string path_;
  HKEY key_ = nullptr;
};

// Runs reg.exe with the given arguments (no shell), returns its standard
// output and sets exitCode.
std::string runReg(const std::wstring& arguments, DWORD& exitCode);

}  // namespace platform_win_test
