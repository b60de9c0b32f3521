// What a terminal user meets when things go wrong around the run: lost output,
// a second Ctrl+C, wildcards and NULs in paths, failures about a file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "cli/scan_command.h"
#include "tests/cli/scan_process.h"
#include "tests/support/rerun_as_nobody.h"
#include "tests/cli/scan_result.h"
#include "tests/support/test_support.h"

namespace {

using cli_test::Result;
using cli_test::scan;

using cli_test::ScanProcess;
using cli_test::Stderr;
using cli_test::Stdout;

// A project whose result list (about 200 KB) is far more than a pipe holds.
std::string projectWithLongResults(const test_support::TempDir& dir) {
  std::string module;
  for (int i = 0; i < 4000; ++i) module += "Public Sub Unused" + std::to_string(i) + "x()\r\nEnd Sub\r\n";
  dir.write("a.bas", module);
  return dir.write("P.vbp", "Module=a; a.bas\r\n").string();
}

// A standard output on which every write fails.
class FailingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(HostileRunTest, ResultsThatCannotBeWrittenAreAFailure) {
  test_support::TempDir dir;
  const std::string project = projectWithLongResults(dir);
  for (const char* format : {"text", "tsv", "json", "sarif"}) {
    FailingBuffer failing;
    std::ostream out(&failing);
    std::ostringstream err;
    EXPECT_EQ(cli::runScanCommand({"--format", format, project}, out, err), cli::exit_status::Failed) << format;
    EXPECT_NE(err.str().find("the results could not be written to standard output"), std::string::npos)
        << format;
  }

  for (const Stdout broken : {Stdout::DevFull, Stdout::Closed}) {
    ScanProcess process({project}, broken);
    EXPECT_EQ(process.wait(120), cli::exit_status::Failed);
    EXPECT_NE(process.err().find("the results could not be written"), std::string::npos) << process.err();
  }
}

TEST(HostileRunTest, SecondCtrlCEndsTheProgramAtOnce) {
  test_support::TempDir dir;
  ScanProcess process({projectWithLongResults(dir)}, Stdout::Pipe);
  // Once output arrives the handler is in place; the program then blocks on
  // the full pipe, where no stop check can see the first Ctrl+C.
  ASSERT_FALSE(process.readOut(100).empty());
  EXPECT_EQ(process.waitInterrupting(60, 50), cli::exit_status::Interrupted);
}

// The warnings about 1,500 LF-only modules fill a stderr pipe early in the
// run, which then waits there: a SIGTERM sent meanwhile lands in the run.
TEST(HostileRunTest, SigtermStopsTheRunAndKeepsItsResults) {
  test_support::TempDir dir;
  std::string entries;
  for (int i = 0; i < 1500; ++i) {
    const std::string module = "m" + std::to_string(i) + ".bas";
    dir.write(module, "Public Sub A" + std::to_string(i) + "()\nEnd Sub\n");
    entries += "Module=m; " + module + "\r\n";
  }
  const std::string project = dir.write("P.vbp", entries).string();
  // Read as VB6 reads them, the LF-only modules are warned about: enough
  // output to fill the pipe, so the run waits for the reader.
  ScanProcess process({"--line-ends", "crlf", project}, Stdout::Pipe, Stderr::Pipe);
  // Output means the handlers are in place.
  ASSERT_FALSE(process.readErr(1).empty());
  process.terminate();
  const std::string err = process.readErr(1 << 24);
  EXPECT_EQ(process.wait(60), cli::exit_status::Interrupted) << err;
  EXPECT_EQ(process.readOut(1 << 20).rfind(project + "\n", 0), 0u);
  EXPECT_NE(err.find("stopped"), std::string::npos) << err;
}

TEST(HostileRunTest, WildcardsInPathsAreBadFileNames) {
  test_support::TempDir dir;
  dir.write("a.bas", "Public Sub A()\r\nEnd Sub\r\n");
  dir.write("a.bcd", "Sub B()\r\n    A\r\nEnd Sub\r\n");
  const std::string wildcardModule = dir.write("P.vbp", "Module=a; a.bas\r\nModule=b; a.b*\r\n").string();
  const Result module = scan({wildcardModule});
  EXPECT_EQ(module.status, cli::exit_status::Failed);
  EXPECT_NE(module.err.find("Bad file name or number\nFile: " + dir.str() + "/a.b*\n"), std::string::npos)
      << module.err;
  EXPECT_EQ(module.out.find("Unused"), std::string::npos) << "a caller's file went unread";

  const Result project = scan({dir.str() + "/P*.vbp"});
  EXPECT_EQ(project.status, cli::exit_status::Failed);
  EXPECT_NE(project.err.find("Bad file name or number\nFile: " + dir.str() + "/P*.vbp\n"), std::string::npos)
      << project.err;
}

TEST(HostileRunTest, PathCutAtANulNamesNoFile) {
  test_support::TempDir dir;
  dir.write("a.bas", "Public Sub A()\r\nEnd Sub\r\n");
  const std::string entry = std::string("Module=a; a.bas") + '\0' + "tail\r\n";
  const Result result = scan({dir.write("P.vbp", entry).string()});
  EXPECT_EQ(result.status, cli::exit_status::Failed);
  EXPECT_NE(result.out.find("Can't find file '" + dir.str() + "/a.bas" + '\0' + "tail'"), std::string::npos);
}

TEST(HostileRunTest, FailureAboutAFileNamesTheFile) {
  if (test_support::rerunAsNobody()) return;  // root reads unreadable files
  test_support::TempDir dir;
  const std::string tooLong = dir.str() + "/" + std::string(300, 'x') + ".bas";
  const Result result = scan({dir.write("P.vbp", "Module=a; " + std::string(300, 'x') + ".bas\r\n").string()});
  EXPECT_EQ(result.status, cli::exit_status::Failed);
  EXPECT_NE(result.err.find("Bad file name or number\nFile: " + tooLong + "\n"), std::string::npos) << result.err;
  const auto locked = dir.write("locked.bas", "Public Sub A()\r\n");
  ::chmod(locked.c_str(), 0);
  const Result denied = scan({dir.write("Q.vbp", "Module=a; locked.bas\r\n").string()});
  EXPECT_EQ(denied.status, cli::exit_status::Failed);
  EXPECT_NE(denied.err.find("Permission denied\nFile: " + locked.string() + "\n"), std::string::npos)
      << denied.err;
}

}  // namespace
