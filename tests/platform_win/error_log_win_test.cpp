// Where the error log goes on Windows: beside the executable, else under
// %LOCALAPPDATA%\Ombry\Scopster.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "diagnostics/error_handler.h"
#include "diagnostics/scripted_dialogs.h"
#include "platform/application_info.h"
#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;

// Reports one failure through the handler with setup installed.
void reportOnce(const diagnostics::ErrorHandlerSetup& setup, const char* procedure) {
  const diagnostics::ErrorHandlerSetup previous = diagnostics::errorHandlerSetup();
  diagnostics::installErrorHandler(setup);
  diagnostics::gnErrorHandler("modGeneral", procedure, 0, vb::VbError::standard(vb::err::FileNotFound));
  diagnostics::installErrorHandler(previous);
}

TEST(ErrorLogWinTest, WrittenBesideTheExecutable) {
  diagnostics::ScriptedDialogs dialogs(diagnostics::msgbox::Ignore);
  const diagnostics::ErrorHandlerSetup setup = diagnostics::defaultErrorHandlerSetup(&dialogs);
  wchar_t exe[MAX_PATH] = {};
  ASSERT_GT(::GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
  EXPECT_EQ(setup.logFile, fs::path(exe).parent_path() / "Scopster.log");

  reportOnce(setup, "ErrorLogWinBeside");
  const std::string log = test_support::readFile(setup.logFile);
  EXPECT_NE(log.find("modGeneral.ErrorLogWinBeside.0\r\nDllError: 0  ErrNo: 53  File not found\r\n\"\r\n"),
            std::string::npos);
}

TEST(ErrorLogWinTest, FallsBackToLocalAppData) {
  test_support::TempDir localAppData;
  ASSERT_TRUE(::SetEnvironmentVariableW(L"LOCALAPPDATA", localAppData.path().c_str()));
  diagnostics::ScriptedDialogs dialogs(diagnostics::msgbox::Ignore);
  diagnostics::ErrorHandlerSetup setup = diagnostics::defaultErrorHandlerSetup(&dialogs);
  ::SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
  EXPECT_EQ(setup.fallbackLogFile, localAppData.path() / "Ombry" / "Scopster" / "Scopster.log");

  // A folder where the log should be: the file cannot be opened for writing.
  test_support::TempDir appFolder;
  fs::create_directory(appFolder.path() / "Scopster.log");
  setup.logFile = appFolder.path() / "Scopster.log";
  reportOnce(setup, "ErrorLogWinFallback");
  EXPECT_NE(test_support::readFile(setup.fallbackLogFile).find("modGeneral.ErrorLogWinFallback.0"), std::string::npos);
}

// A shared folder such as C:\Windows\Temp is never the fallback: without
// LOCALAPPDATA there is none, and the handler says the log could not be written.
TEST(ErrorLogWinTest, NoFallbackWithoutLocalAppData) {
  const DWORD length = ::GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
  std::wstring saved(length, L'\0');
  if (length > 0) saved.resize(::GetEnvironmentVariableW(L"LOCALAPPDATA", saved.data(), length));
  ASSERT_TRUE(::SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr) || length == 0);
  const fs::path folder = platform::userDataFolder();
  const diagnostics::ErrorHandlerSetup setup = diagnostics::defaultErrorHandlerSetup(nullptr);
  if (length > 0) ::SetEnvironmentVariableW(L"LOCALAPPDATA", saved.c_str());
  EXPECT_TRUE(folder.empty()) << folder;
  EXPECT_TRUE(setup.fallbackLogFile.empty()) << setup.fallbackLogFile;
}

}  // namespace
