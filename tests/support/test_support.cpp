#include "tests/support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace test_support {

TempDir::TempDir() {
  // create_directory is false for a name that is taken, so no two tests share one.
  std::random_device seed;
  std::mt19937_64 random(seed());
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate = base / ("scopster-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      std::filesystem::permissions(candidate, std::filesystem::perms::owner_all);
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no temporary folder could be created");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::write(const std::string& relative, std::string_view bytes) const {
  const std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file;
}

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

ScriptedErrorHandler::ScriptedErrorHandler(int defaultAnswer)
    : dialogs_(defaultAnswer), logFile_(dir_.path() / "Scopster.log"),
      previous_(diagnostics::errorHandlerSetup()) {
  diagnostics::ErrorHandlerSetup setup;
  setup.dialogs = &dialogs_;
  setup.logFile = logFile_;
  setup.fallbackLogFile = dir_.path() / "fallback" / "Scopster.log";
  diagnostics::installErrorHandler(setup);
}

ScriptedErrorHandler::~ScriptedErrorHandler() { diagnostics::installErrorHandler(previous_); }

std::string ScriptedErrorHandler::log() const { return readFile(logFile_); }

}  // namespace test_support
