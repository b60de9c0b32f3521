#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "platform/application_info.h"
#include "platform/system_services.h"
#include "tests/platform/url_recorder.h"
#include "tests/support/test_support.h"
#include "utilities/general.h"

namespace {

const std::filesystem::path kSources = SCOPSTER_HELP_SOURCES;

// Every match of the pattern's first group in text.
std::set<std::string> matches(const std::string& text, const std::string& pattern) {
  std::set<std::string> found;
  const std::regex expression(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), expression); it != std::sregex_iterator(); ++it) {
    found.insert((*it)[1]);
  }
  return found;
}

std::set<std::string> sourcePages() {
  std::set<std::string> pages;
  for (const auto& entry : std::filesystem::directory_iterator(kSources)) {
    if (entry.path().extension() == ".html") pages.insert(entry.path().filename().string());
  }
  return pages;
}

// The [FILES] section of the help project: what goes into the CHM.
std::set<std::string> projectFiles() {
  const std::string project = test_support::readFile(kSources / "Scopster.hhp");
  const std::string files = project.substr(project.find("[FILES]"));
  return matches(files, R"(\n([^\n\[]+\.html))");
}

TEST(HelpTest, ContentsIndexAndProjectNameOnlyExistingPages) {
  const std::set<std::string> pages = sourcePages();
  ASSERT_TRUE(pages.contains("index.html"));
  EXPECT_EQ(projectFiles(), pages) << "every page compiled, and nothing else";
  for (const char* navigation : {"Scopster.hhc", "Scopster.hhk"}) {
    SCOPED_TRACE(navigation);
    const auto named = matches(test_support::readFile(kSources / navigation), R"re("Local" value="([^"]+)")re");
    EXPECT_FALSE(named.empty());
    for (const std::string& page : named) EXPECT_TRUE(pages.contains(page)) << page;
  }
  const auto contents = matches(test_support::readFile(kSources / "Scopster.hhc"), R"re("Local" value="([^"]+)")re");
  EXPECT_EQ(contents, pages) << "the contents name every page";
}

TEST(HelpTest, EveryLinkBetweenPagesLeadsToAPage) {
  const std::set<std::string> pages = sourcePages();
  for (const std::string& page : pages) {
    SCOPED_TRACE(page);
    const auto links = matches(test_support::readFile(kSources / page), R"re(href="([^"]*)")re");
    for (const std::string& link : links) EXPECT_TRUE(pages.contains(link)) << link;
  }
}

// What the help has to explain, by the words a reader looks for.
TEST(HelpTest, PagesCoverTheirSubjects) {
  struct Subject {
    const char* page;
    std::vector<const char*> words;
  };
  const Subject subjects[] = {
      {"private-unused.html", {"Private", "Unused", "CallByName", "late binding", "other programs"}},
      {"what-it-finds.html", {"Class=", "whole word", "upper and lower case", "Sub Main", "WithEvents", "Enum"}},
      {"scopster-scan.html", {"<td>0</td>", "<td>1</td>", "<td>2</td>", "<td>64</td>", "<td>130</td>"}},
  };
  for (const Subject& subject : subjects) {
    const std::string text = test_support::readFile(kSources / subject.page);
    for (const char* word : subject.words) EXPECT_NE(text.find(word), std::string::npos) << subject.page << ": " << word;
  }
}

// The page follows the program: every option and option value that
// scopster-scan --help names, and project groups.
TEST(HelpTest, ScanPageExplainsEveryOptionOfTheProgram) {
  QProcess scan;
  scan.start(SCOPSTER_SCAN, {QStringLiteral("--help")});
  ASSERT_TRUE(scan.waitForFinished(60000));
  ASSERT_EQ(scan.exitCode(), 0);
  const std::string usage = scan.readAllStandardOutput().toStdString();
  std::set<std::string> named = matches(usage, R"(\n\s+(?:-\w, )?(--[a-z-]+))");
  for (const std::string& value : matches(usage, R"((?:\n\s+(?:--[a-z-]+ [A-Z]+\s+)?|; )([a-z]+)(?: \(default\))?:)"))
    named.insert(value);
  ASSERT_TRUE(named.contains("--format") && named.contains("sarif")) << usage;
  const std::string page = test_support::readFile(kSources / "scopster-scan.html");
  for (const std::string& name : named) EXPECT_NE(page.find(name), std::string::npos) << name;
  EXPECT_NE(page.find(".vbg"), std::string::npos);
  EXPECT_EQ(page.find("more than one"), std::string::npos) << "several projects are no usage error";
}

TEST(HelpTest, CompiledHelpHoldsEveryPage) {
  const std::filesystem::path chm = platform::applicationFolder() / platform::ApplicationInfo::kHelpFile;
  ASSERT_TRUE(std::filesystem::is_regular_file(chm));
  QProcess listing;
  listing.start(SCOPSTER_ENUM_CHMLIB, {QString::fromStdString(chm.string())});
  ASSERT_TRUE(listing.waitForFinished(60000));
  ASSERT_EQ(listing.exitCode(), 0);
  const auto held = matches(listing.readAllStandardOutput().toStdString(), R"(normal file\s+/([^\s]+\.html))");
  EXPECT_EQ(held, sourcePages());
}

TEST(HelpTest, HelpOpensTheHtmlIndexBesideTheExecutable) {
  platform_test::UrlRecorder recorder("file");
  bool bError = false;
  utilities::gGShowHelp(platform::openFile, bError);
  EXPECT_FALSE(bError);
  ASSERT_EQ(recorder.urls().size(), 1u);
  const std::filesystem::path opened = recorder.urls()[0].toLocalFile().toStdString();
  EXPECT_EQ(opened, platform::applicationFolder() / "help" / "index.html");
}

// The help is found from an application folder of any name; without the HTML
// pages, the compiled help is opened.
TEST(HelpTest, HelpOpensFromAFolderOfAnyName) {
  const test_support::TempDir folder;
  for (const std::string name : {"\u0141\u00F3d\u017A", "\u0395\u03BB\u03BB\u03AC\u03B4\u03B1", "\u65E5\u672C\u8A9E"}) {
    for (const bool html : {false, true}) {
      SCOPED_TRACE(name + (html ? " (HTML)" : " (compiled)"));
      const std::filesystem::path compiled = folder.write(name + "/Scopster.chm", "compiled");
      const std::filesystem::path page = folder.write(name + "/help/" + (html ? "index.html" : "other.html"), "page");
      platform_test::UrlRecorder recorder("file");
      bool bError = false;
      utilities::showHelpIn(compiled.parent_path(), platform::openFile, bError);
      EXPECT_FALSE(bError);
      ASSERT_EQ(recorder.urls().size(), 1u);
      EXPECT_EQ(std::filesystem::path(recorder.urls()[0].toLocalFile().toStdString()), html ? page : compiled);
    }
  }
}

}  // namespace
