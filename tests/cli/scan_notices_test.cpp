// Errors, warnings and stops as every format carries them, and as they reach
// a terminal.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include <atomic>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/reports.h"
#include "cli/terminal_run_events.h"
#include "tests/cli/parsed_json.h"
#include "tests/cli/scan_result.h"
#include "tests/support/test_support.h"

namespace {

using cli_test::parsedJson;
using cli_test::Result;
using cli_test::scan;

const char* const kFormats[] = {"text", "tsv", "json", "sarif"};

QJsonObject sarifInvocation(const QJsonObject& sarif, int run) {
  return sarif["runs"][run]["invocations"][0].toObject();
}

TEST(ScanNoticesTest, ErrorsReachStandardErrorInEveryFormat) {
  test_support::TempDir dir;
  const std::string missing = dir.str() + "/none.vbp";
  const std::string project = dir.write("P.vbp", "Module=x; x.bas\r\n").string();
  for (const char* format : kFormats) {
    const Result result = scan({"--format", format, missing, project});
    EXPECT_EQ(result.status, cli::exit_status::Failed) << format;
    EXPECT_NE(result.err.find("scopster-scan: error: " + missing + ": File does not exist\n"), std::string::npos)
        << format << "\n" << result.err;
    EXPECT_NE(result.err.find("scopster-scan: error: Can't find file '" + dir.str() + "/x.bas'\n"),
              std::string::npos)
        << format << "\n" << result.err;
  }
}

TEST(ScanNoticesTest, AGroupsOwnWarningsAndErrorsAreCarried) {
  test_support::TempDir dir;
  dir.write("a.bas", "Public Sub A()\r\nEnd Sub\r\n");
  dir.write("P.vbp", "Module=a; a.bas\r\n");
  const std::string lfGroup = dir.write("Lf.vbg", "VBGROUP 5.0\nProject=P.vbp\n").string();
  // Read as VB6 reads it, an LF-only group is one line naming no project.
  const QJsonObject json = parsedJson(scan({"--format", "json", "--line-ends", "crlf", lfGroup}).out);
  const QJsonArray warnings = json["warnings"].toArray();
  ASSERT_EQ(warnings.size(), 2);
  EXPECT_TRUE(warnings[0]["message"].toString().startsWith("has LF line ends"));
  EXPECT_EQ(warnings[1]["message"].toString(), "names no project");
  const QJsonObject sarif = parsedJson(scan({"--format", "sarif", "--line-ends", "crlf", lfGroup}).out);
  EXPECT_EQ(sarifInvocation(sarif, 0)["toolExecutionNotifications"].toArray().size(), 2);

  const std::string nesting = dir.write("G.vbg", "VBGROUP 5.0\r\nProject=G.vbg\r\nProject=P.vbp\r\n").string();
  const Result result = scan({"--format", "sarif", nesting});
  EXPECT_EQ(result.status, cli::exit_status::Failed);
  EXPECT_NE(result.err.find("error: " + nesting + ": A project group cannot name a project group"),
            std::string::npos)
      << result.err;
  const QJsonObject nested = parsedJson(result.out);
  EXPECT_FALSE(sarifInvocation(nested, 0)["executionSuccessful"].toBool(true));
  EXPECT_EQ(nested["runs"][1]["results"].toArray().size(), 1) << "the project it names still runs";
}

TEST(ScanNoticesTest, AStopIsExitStatus130AndNoSuccessfulRun) {
  test_support::TempDir dir;
  dir.write("a.bas", "Public Sub A()\r\nEnd Sub\r\n");
  const std::string project = dir.write("P.vbp", "Module=a; a.bas\r\n").string();
  const std::string group = dir.write("G.vbg", "VBGROUP 5.0\r\nProject=P.vbp\r\n").string();
  const std::atomic<bool> stop{true};
  for (const std::string& input : {project, group}) {
    const Result json = scan({"--format", "json", input}, {}, &stop);
    EXPECT_EQ(json.status, cli::exit_status::Interrupted) << input;
    const QJsonObject summary = parsedJson(json.out)["summary"].toObject();
    EXPECT_TRUE(summary["interrupted"].toBool()) << input;
    const Result sarif = scan({"--format", "sarif", input}, {}, &stop);
    EXPECT_EQ(sarif.status, cli::exit_status::Interrupted) << input;
    const QJsonObject invocation = sarifInvocation(parsedJson(sarif.out), 0);
    EXPECT_FALSE(invocation["executionSuccessful"].toBool(true)) << input;
    EXPECT_TRUE(invocation["toolExecutionNotifications"][0]["message"]["text"].toString().contains("stopped"));
  }
}

TEST(ScanNoticesTest, ControlBytesInNamesNeverReachATerminal) {
  test_support::TempDir dir;
  const std::string hostile = "lf\x1b]0;PWNED\x07";
  dir.write(hostile + "x.bas", "Public Sub A()\nEnd Sub\n");  // LF only: a warning names it
  const std::string project = dir.write("P.vbp", "Module=a; " + hostile + "x.bas\r\nForm=" + hostile +
                                                     ".frm\r\n")
                                  .string();
  const std::string wildcard = dir.write("W.vbp", "Module=w; w*" + hostile + ".bas\r\n").string();
  for (const char* format : kFormats) {
    for (const std::string& input : {project, wildcard}) {
      const Result result = scan({"--format", format, input});
      EXPECT_EQ(result.err.find_first_of("\x1b\x07"), std::string::npos) << format << "\n" << result.err;
      EXPECT_NE(result.err.find("lf?]0;PWNED?"), std::string::npos) << format << "\n" << result.err;
    }
  }
  EXPECT_NE(scan({project}).out.find(hostile), std::string::npos) << "a pipe gets the window's list";
  const Result shown = scan({project}, {}, nullptr, true);
  EXPECT_EQ(shown.out.find_first_of("\x1b\x07"), std::string::npos) << shown.out;
}

// A path with a drive names no file on Linux, wherever the command starts.
TEST(ScanNoticesTest, DriveLetterEntriesNameNoFileAndReportAsUtf8) {
  test_support::TempDir dir;
  dir.write("here/a.bas", "Public Sub A()\r\nEnd Sub\r\n");
  dir.write("here/C:\\P.vbp", "Module=a; a.bas\r\n");
  const std::string group = dir.write("G.vbg", "VBGROUP 5.0\r\nProject=C:\\P.vbp\r\n").string();
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::current_path(dir.path() / "here");
  const Result result = scan({"--format", "json", group});
  std::filesystem::current_path(start);
  EXPECT_EQ(result.status, cli::exit_status::Failed);
  const QJsonObject json = parsedJson(result.out);
  EXPECT_EQ(json["errors"][0]["message"].toString(), "File does not exist");

  const std::string project = dir.write("P.vbp", "Form=C:\\\xE9t\xE9.frm\r\n").string();
  const QJsonObject sarif = parsedJson(scan({"--format", "sarif", project}).out);
  const QJsonObject notice = sarifInvocation(sarif, 0)["toolExecutionNotifications"][0].toObject();
  EXPECT_EQ(notice["locations"][0]["physicalLocation"]["artifactLocation"]["uri"].toString(),
            "file:///C:/%C3%A9t%C3%A9.frm");
}

cli::ScanReport reportOfNames(std::vector<std::string> names, bool usedInOwnFile) {
  cli::ScanReport report;
  cli::ProjectReport& project = report.projects.emplace_back();
  project.project = "P.vbp";
  project.openedProject = "/w/P.vbp";
  project.verdicts.push_back({"m.bas", "/w/m.bas", 3, "Public Alpha, Beta As Long", std::move(names), usedInOwnFile});
  return report;
}

TEST(ScanNoticesTest, EveryNameOfALineIsReported) {
  const cli::ScanReport three = reportOfNames({"Alpha", "Beta", "G\xE9nial"}, false);
  std::ostringstream tsv, json, sarif;
  cli::writeTsvReport(three, tsv);
  EXPECT_NE(tsv.str().find("\t3\tAlpha, Beta, G\xC3\xA9nial\tPublic"), std::string::npos) << tsv.str();
  cli::writeJsonReport(three, json);
  const QJsonObject document = parsedJson(json.str());
  const QJsonObject verdict = document["verdicts"][0].toObject();
  EXPECT_EQ(verdict["name"].toString(), "Alpha");
  EXPECT_EQ(verdict["names"].toArray(), (QJsonArray{"Alpha", "Beta", QString::fromUtf8("G\xC3\xA9nial")}));
  cli::writeSarifReport(three, sarif);
  const QJsonObject log = parsedJson(sarif.str());
  EXPECT_EQ(log["runs"][0]["results"][0]["message"]["text"].toString(),
            QString::fromUtf8("'Alpha', 'Beta' and 'G\xC3\xA9nial' are declared Public but used nowhere."));

  struct Case {
    std::vector<std::string> names;
    const char* message;
  };
  const Case privates[] = {
      {{"Alpha"}, "'Alpha' is declared Public but used only in its own file; it could be Private."},
      {{"Alpha", "Beta"}, "'Alpha' and 'Beta' are declared Public but used only in their own file; they could be Private."},
  };
  for (const Case& c : privates) {
    std::ostringstream out;
    cli::writeSarifReport(reportOfNames(c.names, true), out);
    const QJsonObject log = parsedJson(out.str());
    EXPECT_EQ(log["runs"][0]["results"][0]["message"]["text"].toString(), c.message);
  }
}

}  // namespace
