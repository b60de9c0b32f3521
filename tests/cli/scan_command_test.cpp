#include <gtest/gtest.h>

#include <sstream>

#include "cli/scan_command.h"
#include "platform/application_info.h"
#include "tests/cli/scan_result.h"
#include "tests/support/test_support.h"

namespace {

using cli_test::Result;
using cli_test::scan;

TEST(ScanCommandTest, ExitStatusTellsHowTheRunEnded) {
  test_support::TempDir dir;
  dir.write("clean/a.bas", "Public Sub A()\r\nEnd Sub\r\n");
  dir.write("clean/b.bas", "Sub B()\r\n    A\r\nEnd Sub\r\n");
  const std::string clean = dir.write("clean/P.vbp", "Module=a; a.bas\r\nModule=b; b.bas\r\n").string();
  const std::string missingSource = dir.write("broken/P.vbp", "Module=x; x.bas\r\n").string();
  const std::string sample = std::string(SCOPSTER_SOURCE_DIR) + "/examples/Sample/Sample.vbp";
  struct Case {
    std::vector<std::string> arguments;
    int status;
    const char* inOut;
    const char* inErr;
  };
  const Case cases[] = {
      {{clean}, 0, "P.vbp\n", "Run Time: "},
      {{sample}, 1, "        Unused\n", "File: 3/3"},
      {{dir.str() + "/none.vbp"}, 2, "File does not exist\n", "Run Time: 00:00:00"},
      {{missingSource}, 2, "Can't find file '", "File: 0/1"},
      {{}, 64, "", "Usage: scopster-scan"},
      {{"--bogus"}, 64, "", "Usage: scopster-scan"},
      {{"--format", "xml", sample}, 64, "", "unknown format 'xml'"},
      {{"--line-ends=lf", sample}, 64, "", "unknown line ends 'lf'"},
      {{sample, "--format"}, 64, "", "'--format' needs a value"},
      {{"--format=tsv", "--", sample}, 1, "verdict\tfile\t", "File: 3/3"},
      {{"--help"}, 0, "Exit status:", ""},
      {{"--version"}, 0, "scopster-scan (Scopster) 0.916\n", ""},
  };
  for (const Case& c : cases) {
    const Result result = scan(c.arguments);
    const std::string label = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(result.status, c.status) << label;
    EXPECT_NE(result.out.find(c.inOut), std::string::npos) << label << "\n" << result.out;
    EXPECT_NE(result.err.find(c.inErr), std::string::npos) << label << "\n" << result.err;
  }
}

#ifndef _WIN32
TEST(ScanCommandTest, UnreadableFileIsAnsweredWithAbortAndExits2) {
  test_support::TempDir dir;
  // Reading /proc/self/mem from its start fails with EIO, for root too.
  std::filesystem::create_symlink("/proc/self/mem", dir.path() / "a.bas");
  const Result result = scan({dir.write("P.vbp", "Module=a; a.bas\r\n").string()});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("Error!\nSource: frmScopster.mShowSourceGetPublics.2\n\nDevice I/O error\n"),
            std::string::npos)
      << result.err;
  // Its log record names the system and the region, as the window's do.
  const std::string log = test_support::readFile(platform::applicationFolder() /
                                                 (std::string(platform::ApplicationInfo::kExeName) + ".log"));
  const std::size_t locale = log.rfind("  Locale: ");
  ASSERT_NE(locale, std::string::npos) << log;
  EXPECT_NE(log.substr(locale + 10, 2), "\r\n") << log;
  EXPECT_NE(log[locale - 1], ' ') << "no system text before the locale:\n" << log;
}
#endif

// Folder and project names stay as the system gave them, whatever script they
// are in; the entries and the code are Windows-1252 inside and UTF-8 outside.
TEST(ScanCommandTest, ProjectsUnderAnyNameRunAndShowIt) {
#ifdef _WIN32
  GTEST_SKIP() << "the names are written as UTF-8 bytes, which Windows file names are not";
#endif
  for (const std::string name : {"\u0141\u00F3d\u017A", "\u0395\u03BB\u03BB\u03AC\u03B4\u03B1", "\u65E5\u672C\u8A9E"}) {
    SCOPED_TRACE(name);
    test_support::TempDir dir;
    dir.write(name + "/caf\xC3\xA9.bas", "Public Sub Gr\xFC\xDF()\r\nEnd Sub\r\n");
    const std::string project = dir.write(name + "/" + name + ".vbp", "Module=m; caf\xE9.bas\r\n").string();
    const Result result = scan({project});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(result.out, project + "\n    " + dir.str() + "/" + name +
                              "/caf\xC3\xA9.bas\n        Public Sub Gr\xC3\xBC\xC3\x9F()\n        Unused\n\n");
    const Result failed = scan({dir.write(name + "/W.vbp", "Module=m; caf*.bas\r\n").string()});
    EXPECT_NE(failed.err.find("\nFile: " + dir.str() + "/" + name + "/caf*.bas\n"), std::string::npos) << failed.err;
  }
}

// A 40,000-line module: the names declared at its end get their verdicts.
TEST(ScanCommandTest, LongModulesAreAnalysedToTheirLastLine) {
  test_support::TempDir dir;
  std::string big;
  for (int i = 0; i < 40000; ++i) big += "' filler line\r\n";
  big += "Public LateUsed As Long\r\nPublic LateUnused As Long\r\n";
  dir.write("big.bas", big);
  dir.write("use.bas", "Sub U()\r\n    LateUsed = 1\r\nEnd Sub\r\n");
  const std::string project = dir.write("P.vbp", "Module=b; big.bas\r\nModule=u; use.bas\r\n").string();
  const Result result = scan({project});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.out.find("        Public LateUnused As Long\n        Unused\n"), std::string::npos) << result.out;
  EXPECT_EQ(result.out.find("LateUsed As Long"), std::string::npos) << result.out;
  EXPECT_EQ(result.err.find("Error!"), std::string::npos) << result.err;
}

}  // namespace
