#include "tests/platform_win/registry_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace platform_win_test {

namespace {
// Closes a handle on every way out.
struct Handle {
  HANDLE value = nullptr;
  ~Handle() {
    if (value != nullptr) ::CloseHandle(value);
  }
};

std::string readAll(HANDLE pipe) {
  std::string output;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  return output;
}
}  // namespace

ScratchKey::ScratchKey() {
  path_ = "Software\\ScopsterTests\\" + std::to_string(::GetCurrentProcessId()) + "-" +
          std::to_string(::GetTickCount64());
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr) !=
      ERROR_SUCCESS)
    throw std::runtime_error("cannot create " + path_);
}

ScratchKey::~ScratchKey() {
  ::RegCloseKey(key_);
  ::RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  ::RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
}

void ScratchKey::setText(const std::string& subKey, const std::string& name, const std::string& value) const {
  HKEY created = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(key_, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExA(created, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)),
            ERROR_SUCCESS);
  ::RegCloseKey(created);
}

std::string runReg(const std::wstring& arguments, DWORD& exitCode) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  Handle readEnd;
  Handle writeEnd;
  if (!::CreatePipe(&readEnd.value, &writeEnd.value, &inherit, 0)) throw std::runtime_error("CreatePipe failed");
  ::SetHandleInformation(readEnd.value, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd.value;
  startup.hStdError = writeEnd.value;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  std::wstring commandLine = L"reg.exe " + arguments;
  PROCESS_INFORMATION process{};
  // Wine under a loaded machine now and then refuses a start that the next
  // attempt gets; a start that keeps failing is still the test's failure.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt)
    started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &process) != 0;
  if (!started) throw std::runtime_error("reg.exe could not be started: error " + std::to_string(::GetLastError()));
  Handle thread{process.hThread};
  Handle child{process.hProcess};
  ::CloseHandle(writeEnd.value);
  writeEnd.value = nullptr;
  std::string output = readAll(readEnd.value);
  ::WaitForSingleObject(child.value, INFINITE);
  ::GetExitCodeProcess(child.value, &exitCode);
  return output;
}

}  // namespace platform_win_test
