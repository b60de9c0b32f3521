// A console's code page and mode belong to the console, shared with the shell
// that started the program: the run switches them on and puts them back.
#include <windows.h>

#include <gtest/gtest.h>

#include "cli/console_session.h"

namespace {

class ConsoleSessionTest : public testing::Test {
 protected:
  void SetUp() override {
    if (::GetConsoleWindow() == nullptr && ::AllocConsole() == 0) GTEST_SKIP() << "no console can be made here";
    // The standard handles of a program started without a console lead elsewhere.
    screen_ = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(screen_, INVALID_HANDLE_VALUE);
    error_ = ::GetStdHandle(STD_ERROR_HANDLE);
    ::SetStdHandle(STD_ERROR_HANDLE, screen_);
  }
  void TearDown() override {
    if (screen_ == INVALID_HANDLE_VALUE) return;
    ::SetStdHandle(STD_ERROR_HANDLE, error_);
    ::CloseHandle(screen_);
  }
  DWORD mode() const {
    DWORD mode = 0;
    EXPECT_NE(::GetConsoleMode(screen_, &mode), 0);
    return mode;
  }

  HANDLE screen_ = INVALID_HANDLE_VALUE;
  HANDLE error_ = nullptr;
};

TEST_F(ConsoleSessionTest, Utf8AndEscapeSequencesLastForTheRunOnly) {
  ASSERT_NE(::SetConsoleOutputCP(437), 0);
  ::SetConsoleMode(screen_, mode() & ~static_cast<DWORD>(ENABLE_VIRTUAL_TERMINAL_PROCESSING));
  const DWORD before = mode();
  {
    const cli::ConsoleSession session;
    EXPECT_EQ(::GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
    EXPECT_EQ(session.escapeSequences(), (mode() & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0);
    EXPECT_TRUE(session.problem().empty()) << session.problem();
    EXPECT_GT(cli::standardErrorColumns(), 0);
  }
  EXPECT_EQ(::GetConsoleOutputCP(), 437u);
  EXPECT_EQ(mode(), before);
}

}  // namespace
