#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "diagnostics/dialogs.h"
#include "tests/support/rerun_as_nobody.h"
#include "tests/support/test_support.h"
#include "utilities/file_exists.h"

namespace {

namespace fs = std::filesystem;

// A small project tree with one of each kind of entry a search can meet.
void writeProject(const test_support::TempDir& dir) {
  dir.write("Proj/Forms/Main.frm", "VERSION 5.00\r\n");
  dir.write("Proj/.hidden.frm", "x");
  const auto readOnly = dir.write("Proj/ReadOnly.bas", "x");
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directory(dir.path() / "Proj/Folder.frm");
  fs::create_symlink(dir.path() / "Proj/Forms/Main.frm", dir.path() / "Proj/link.frm");
  fs::create_symlink(dir.path() / "Proj/gone.frm", dir.path() / "Proj/dangling.frm");
}

TEST(FileExistsTest, FindsOnlyVisibleRegularFiles) {
  test_support::TempDir dir;
  writeProject(dir);
  const std::pair<const char*, bool> cases[] = {
      {"Proj\\Forms\\Main.frm", true},
      {"proj/forms/MAIN.FRM", true},
      {"Proj/ReadOnly.bas", true},
      {"Proj/link.frm", true},
      {"Proj/Folder.frm", false},
      {"Proj/.hidden.frm", false},
      {"Proj/dangling.frm", false},
      {"Proj/Missing.frm", false},
      {"NoFolder/Main.frm", false},
      {"Proj/Forms/Main.frm/", false},
      {"Proj/Forms/*.frm", true},
      {"Proj/Forms/?ain.frm", true},
      {"Proj/Forms/Main.frm?", false},
      {"Proj/*hidden*", false},
      {"Proj/Folder*", false},
      {"NoFolder/*.frm", false},
  };
  test_support::ScriptedErrorHandler handler;
  for (const auto& [relative, expected] : cases) {
    bool bError = false;
    EXPECT_EQ(utilities::gbFileExists(dir.str() + "/" + relative, bError), expected) << relative;
    EXPECT_FALSE(bError) << relative;
  }
  bool bError = false;
  EXPECT_FALSE(utilities::gbFileExists("", bError));
  EXPECT_FALSE(utilities::gbFileExists("C:\\Proj\\Forms\\Main.frm", bError));
  EXPECT_FALSE(bError);
  EXPECT_EQ(handler.boxCount(), 0u);
}

struct FailingSearch {
  std::string path;
  const char* description;
};

TEST(FileExistsTest, FailingSearchIsReportedThroughTheTrap) {
  if (test_support::rerunAsNobody()) return;  // root lists locked folders
  test_support::TempDir dir;
  const std::string tooLong(300, 'x');
  std::vector<FailingSearch> searches = {
      {dir.str() + "/" + tooLong + ".frm", "Bad file name or number"},
      {dir.str() + "/" + tooLong + "/*.frm", "Bad file name or number"},
  };
  fs::create_directory(dir.path() / "Locked");
  fs::permissions(dir.path() / "Locked", fs::perms::none);
  searches.push_back({dir.str() + "/Locked/*.frm", "Permission denied"});
  const std::pair<int, bool> answers[] = {{diagnostics::msgbox::Abort, true}, {diagnostics::msgbox::Ignore, false}};
  for (const auto& search : searches) {
    for (const auto& [answer, abortSetsError] : answers) {
      test_support::ScriptedErrorHandler handler(answer);
      bool bError = false;
      EXPECT_FALSE(utilities::gbFileExists(search.path, bError));
      EXPECT_EQ(bError, abortSetsError);
      ASSERT_EQ(handler.boxCount(), 1u) << search.description;
      EXPECT_EQ(handler.prompt(0), "Source: modFileExists.gbFileExists.1\r\n\r\n" + std::string(search.description) +
                                       "\r\nFile: " + search.path);
    }
  }
}

}  // namespace
