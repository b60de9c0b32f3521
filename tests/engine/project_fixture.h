#pragma once
// Writes small VB6 projects (CR LF line ends) into a temporary folder.

#include <initializer_list>
#include <string>
#include <utility>

#include "tests/support/test_support.h"

namespace engine_test {

inline std::string crlf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text.append(line).append("\r\n");
  return text;
}

class ProjectFixture {
 public:
  // Writes the file and returns its path as the window would hold it.
  std::string write(const std::string& name, const std::string& text) const {
    return dir_.write(name, text).string();
  }
  std::string path(const std::string& name) const { return (dir_.path() / name).string(); }
  const test_support::TempDir& dir() const { return dir_; }

 private:
  test_support::TempDir dir_;
};

}  // namespace engine_test
