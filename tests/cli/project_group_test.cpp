#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "cli/project_group.h"
#include "tests/support/test_support.h"

namespace {

cli::ProjectGroup readGroup(const std::string& group, const std::atomic<bool>* stop = nullptr) {
  bool bError = false;
  cli::ProjectGroup listed =
      cli::projectsOfGroup(utilities::pathFromText(group), utilities::LineEnds::Crlf, stop, bError);
  EXPECT_FALSE(bError);
  return listed;
}

std::vector<std::string> texts(const std::vector<utilities::HeldPath>& paths) {
  std::vector<std::string> shown;
  for (const utilities::HeldPath& path : paths) shown.push_back(utilities::pathText(path));
  return shown;
}

TEST(ProjectGroupTest, OneProjectUnderManySpellingsIsListedOnce) {
  test_support::TempDir dir;
  const std::string group = dir.write("G.vbg",
                                      "VBGROUP 5.0\r\nStartupProject=A\\a.vbp\r\nProject=a\\A.VBP\r\n"
                                      "Project=A/a.vbp\r\nProject=./A/a.vbp\r\nProject=B\\..\\A\\\\a.vbp\r\n"
                                      "Project=B\\b.vbp\r\nProject=\xC9t\xE9\\c.vbp\r\nProject=\xE9T\xC9\\C.vbp\r\n")
                                .string();
  const std::string folder = group.substr(0, group.size() - 5);  // up to "G.vbg"
  EXPECT_EQ(texts(readGroup(group).projects),
            (std::vector<std::string>{folder + "A\\a.vbp", folder + "B\\b.vbp", folder + "\xC3\x89t\xC3\xA9\\c.vbp"}));
}

TEST(ProjectGroupTest, GroupsItNamesAreSetApart) {
  test_support::TempDir dir;
  const std::string group =
      dir.write("G.vbg", "VBGROUP 5.0\r\nProject=G.vbg\r\nProject=sub\\Other.VBG\r\nProject=P.vbp\r\n").string();
  const std::string folder = group.substr(0, group.size() - 5);
  const cli::ProjectGroup listed = readGroup(group);
  EXPECT_EQ(listed.groups, (std::vector<std::string>{folder + "G.vbg", folder + "sub\\Other.VBG"}));
  EXPECT_EQ(texts(listed.projects), (std::vector<std::string>{folder + "P.vbp"}));
}

TEST(ProjectGroupTest, AStopEndsTheReading) {
  test_support::TempDir dir;
  std::string lines = "VBGROUP 5.0\r\n";
  for (int i = 0; i < 20000; ++i) lines += "Project=p" + std::to_string(i) + ".vbp\r\n";
  const std::string group = dir.write("G.vbg", lines).string();
  const std::atomic<bool> stop{true};
  const cli::ProjectGroup stopped = readGroup(group, &stop);
  EXPECT_TRUE(stopped.stopped);
  EXPECT_TRUE(stopped.projects.empty());
  const cli::ProjectGroup whole = readGroup(group);
  EXPECT_FALSE(whole.stopped);
  EXPECT_EQ(whole.projects.size(), 20000u);
}

}  // namespace
