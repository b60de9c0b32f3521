#pragma once
// Shared test fixtures: a temporary folder that cleans up after itself, file
// writing, an installed error handler that answers from a script and logs
// into the temporary folder, and the number of the VB error an action raises.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "diagnostics/error_handler.h"
#include "diagnostics/scripted_dialogs.h"
#include "runtime/vb_error.h"

namespace test_support {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes bytes exactly as given (no newline translation); creates parent folders.
  std::filesystem::path write(const std::string& relative, std::string_view bytes) const;
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);

// The number of the VbError that action raises; 0 when it raises none.
template <typename Action>
std::int32_t raisedVbError(Action&& action) {
  try {
    action();
  } catch (const vb::VbError& error) {
    return error.number();
  }
  return 0;
}

// Installs a ScriptedDialogs and a log in a fresh temporary folder for the
// lifetime of the object, and puts the previous setup back afterwards.
class ScriptedErrorHandler {
 public:
  explicit ScriptedErrorHandler(int defaultAnswer = diagnostics::msgbox::Abort);
  ~ScriptedErrorHandler();
  ScriptedErrorHandler(const ScriptedErrorHandler&) = delete;
  ScriptedErrorHandler& operator=(const ScriptedErrorHandler&) = delete;

  diagnostics::ScriptedDialogs& dialogs() { return dialogs_; }
  const std::filesystem::path& logFile() const { return logFile_; }
  std::string log() const;
  std::size_t boxCount() const { return dialogs_.boxes().size(); }
  // The prompt of the n-th box shown (0-based).
  const std::string& prompt(std::size_t n) const { return dialogs_.boxes().at(n).prompt; }

 private:
  TempDir dir_;
  diagnostics::ScriptedDialogs dialogs_;
  std::filesystem::path logFile_;
  diagnostics::ErrorHandlerSetup previous_;
};

}  // namespace test_support
