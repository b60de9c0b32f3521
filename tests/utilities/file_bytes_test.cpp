// Opening a source file never opens a name other than the one shown, and
// refuses wildcards as Open does, on every system.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/vb_error.h"
#include "tests/support/test_support.h"
#include "utilities/file_bytes.h"
#include "utilities/file_exists.h"

namespace {

TEST(FileBytesTest, NameHoldingNulNamesNoFile) {
  test_support::TempDir dir;
  dir.write("a.bas", "Public X\r\n");
  const std::string cut = dir.str() + "/a.bas" + std::string(1, '\0') + "rest";
  bool bError = false;
  test_support::ScriptedErrorHandler handler;
  EXPECT_FALSE(utilities::gbFileExists(cut, bError));
  EXPECT_FALSE(utilities::gbFileExists(dir.str() + std::string(1, '\0') + "/*.bas", bError));
  EXPECT_EQ(utilities::readVisibleFile(cut), std::nullopt);
  EXPECT_FALSE(bError);
  EXPECT_EQ(handler.boxCount(), 0u);
}

TEST(FileBytesTest, WildcardInTheNameIsABadFileName) {
  test_support::TempDir dir;
  dir.write("a.bas", "Public X\r\n");
  for (const char* name : {"/a.b*", "/?.bas", "/*"}) {
    try {
      utilities::readVisibleFile(dir.str() + name);
      ADD_FAILURE() << name << " was opened";
    } catch (const vb::VbError& failure) {
      EXPECT_EQ(failure.number(), vb::err::BadFileNameOrNumber) << name;
    }
  }
}

}  // namespace
