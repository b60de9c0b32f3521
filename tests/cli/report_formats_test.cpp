#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/scan_command.h"
#include "tests/cli/parsed_json.h"
#include "tests/cli/scan_result.h"
#include "tests/support/test_support.h"

namespace {

using cli_test::Result;
using cli_test::parsedJson;
using cli_test::scan;

namespace fs = std::filesystem;

fs::path sampleFolder() { return fs::path(SCOPSTER_SOURCE_DIR) / "examples" / "Sample"; }

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The fields of a TSV line.
std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

// verdict, line and name of each TSV row, for comparing runs on copies.
std::vector<std::string> verdictLineName(const std::string& tsv) {
  std::vector<std::string> rows;
  for (const std::string& line : linesOf(tsv)) {
    const auto fields = fieldsOf(line);
    rows.push_back(fields[0] + " " + fields[2] + " " + fields[3]);
  }
  return rows;
}

// A copy of the sample with every CR taken out (as a converted checkout);
// the project file keeps its CR LF when asked, so that its sources are found.
fs::path lfOnlySample(const test_support::TempDir& dir, bool crlfProject) {
  for (const auto& entry : fs::directory_iterator(sampleFolder())) {
    std::string bytes = test_support::readFile(entry.path());
    const bool keep = crlfProject && entry.path().extension() == ".vbp";
    if (!keep) std::erase(bytes, '\r');
    dir.write("lf/" + entry.path().filename().string(), bytes);
  }
  return dir.path() / "lf" / "Sample.vbp";
}

const std::vector<std::string> kSampleVerdicts = {
    "verdict line name",          "Unused 19 RefreshView", "Private 7 gnCounter",
    "Unused 9 ShowTotals",        "Unused 13 Factorial",   "Private 21 ResetCounter",
    "Private 4 MAX_ROWS",
};

TEST(ReportFormatsTest, TsvGivesTheSampleVerdictsWithLineNumbers) {
  const std::string project = (sampleFolder() / "Sample.vbp").string();
  const Result result = scan({"--format", "tsv", project});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(verdictLineName(result.out), kSampleVerdicts);
  const auto lines = linesOf(result.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "verdict\tfile\tline\tname\tdeclaration");
  EXPECT_EQ(fieldsOf(lines[4]), (std::vector<std::string>{"Unused", (sampleFolder() / "modUtil.bas").string(), "13",
                                                          "Factorial",
                                                          "Public Function Factorial(ByVal n As Long) As Long"}));
}

TEST(ReportFormatsTest, JsonHoldsVerdictsAndSummary) {
  const std::string project = (sampleFolder() / "Sample.vbp").string();
  const QJsonObject json = parsedJson(scan({"--format=json", project}).out);
  std::vector<std::string> rows = {kSampleVerdicts[0]};
  for (const auto& row : json["verdicts"].toArray()) {
    const QJsonObject verdict = row.toObject();
    rows.push_back(verdict["verdict"].toString().toStdString() + " " + std::to_string(verdict["line"].toInt()) +
                   " " + verdict["name"].toString().toStdString());
  }
  EXPECT_EQ(rows, kSampleVerdicts);
  const QJsonObject factorial = json["verdicts"][3].toObject();
  EXPECT_EQ(factorial["openedFile"].toString().toStdString(), (sampleFolder() / "modUtil.bas").string());
  EXPECT_EQ(factorial["project"].toString().toStdString(), project);
  const QJsonObject summary = json["summary"].toObject();
  EXPECT_EQ(summary["projects"].toInt(), 1);
  EXPECT_EQ(summary["files"].toInt(), 3);
  EXPECT_EQ(summary["declarations"].toInt(), 8);
  EXPECT_EQ(summary["reported"].toInt(), 6);
  EXPECT_EQ(summary["errors"].toInt(), 0);
  EXPECT_EQ(summary["warnings"].toInt(), 0);
  EXPECT_GE(summary["elapsedSeconds"].toDouble(-1), 0.0);
}

TEST(ReportFormatsTest, JsonAndTsvCarryAwkwardTextIntact) {
  test_support::TempDir dir;
  const std::string declaration = "Public Sub Caf\xE9\t\"x\\y\"()";
  dir.write("m.bas", declaration + "\r\nEnd Sub\r\n");
  const std::string project = dir.write("P.vbp", "Module=m; m.bas\r\n").string();
  const QJsonObject json = parsedJson(scan({"--format", "json", project}).out);
  EXPECT_EQ(json["verdicts"][0]["declaration"].toString().toStdString(), "Public Sub Caf\xC3\xA9\t\"x\\y\"()");
  const auto tsv = linesOf(scan({"--format", "tsv", project}).out);
  ASSERT_EQ(tsv.size(), 2u);
  EXPECT_EQ(fieldsOf(tsv[1]).back(), "Public Sub Caf\xC3\xA9\\t\"x\\\\y\"()");
}

TEST(ReportFormatsTest, SeveralProjectsAndGroupsReportInOrder) {
  test_support::TempDir dir;
  dir.write("one/a.bas", "Public Sub OnlyInOne()\r\nEnd Sub\r\n");
  dir.write("two/b.bas", "Public Sub OnlyInTwo()\r\nEnd Sub\r\n");
  const std::string one = dir.write("one/One.vbp", "Module=a; a.bas\r\n").string();
  dir.write("two/Two.vbp", "Module=b; b.bas\r\n");
  const std::string group = dir.write("G.vbg",
                                      "VBGROUP 5.0\r\nStartupProject=two\\Two.vbp\r\nProject=one/One.vbp\r\n"
                                      "Project=two\\Two.vbp\r\n")
                                .string();
  const Result result = scan({"--format", "tsv", one, group});
  EXPECT_EQ(result.status, 1);
  std::vector<std::string> names;
  for (const std::string& line : linesOf(result.out)) names.push_back(fieldsOf(line)[3]);
  EXPECT_EQ(names, (std::vector<std::string>{"name", "OnlyInOne", "OnlyInTwo", "OnlyInOne"}));

  const Result text = scan({one, group});
  const auto lines = linesOf(text.out);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[0], one);
  EXPECT_EQ(lines[5], dir.str() + "/two\\Two.vbp");
  EXPECT_EQ(lines[10], dir.str() + "/one/One.vbp");
  EXPECT_EQ(parsedJson(scan({"--format", "json", one, group}).out)["summary"].toObject()["projects"].toInt(), 3);
}

TEST(ReportFormatsTest, MissingGroupOrProjectFailsTheWholeCall) {
  test_support::TempDir dir;
  const std::string sample = (sampleFolder() / "Sample.vbp").string();
  const Result result = scan({"--format", "json", dir.str() + "/none.vbg", sample});
  EXPECT_EQ(result.status, 2);
  const QJsonObject json = parsedJson(result.out);
  EXPECT_EQ(json["errors"][0]["message"].toString(), "File does not exist");
  EXPECT_EQ(json["errors"][0]["file"].toString().toStdString(), dir.str() + "/none.vbg");
  EXPECT_EQ(json["verdicts"].toArray().size(), 6);
}

TEST(ReportFormatsTest, AnyLineEndsOnAnLfOnlyCopyGivesTheOriginalVerdicts) {
  test_support::TempDir dir;
  const std::string lfProject = lfOnlySample(dir, false).string();
  const Result result = scan({"--format", "tsv", "--line-ends", "any", lfProject});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(verdictLineName(result.out), kSampleVerdicts);
  EXPECT_EQ(result.err.find("warning"), std::string::npos) << result.err;
}

// Read as VB6 reads them, LF-only sources report nothing; that pass must not
// be silent.
TEST(ReportFormatsTest, LfOnlyFilesAreWarnedAboutAndCounted) {
  test_support::TempDir dir;
  const fs::path project = lfOnlySample(dir, true);
  const Result result = scan({"--format", "json", "--line-ends", "crlf", project.string()});
  EXPECT_EQ(result.status, 0);
  for (const char* file : {"frmMain.frm", "modUtil.bas", "modData.bas"}) {
    const std::string warning = "scopster-scan: warning: " + (project.parent_path() / file).string();
    EXPECT_NE(result.err.find(warning), std::string::npos) << result.err;
  }
  EXPECT_NE(result.err.find("--line-ends any"), std::string::npos);
  const QJsonObject json = parsedJson(result.out);
  EXPECT_EQ(json["summary"]["warnings"].toInt(), 3);
  EXPECT_EQ(json["verdicts"].toArray().size(), 0);

  const fs::path lfProject = lfOnlySample(dir, false);
  const Result converted = scan({"--format", "json", "--line-ends", "crlf", lfProject.string()});
  EXPECT_NE(converted.err.find("warning: " + lfProject.string()), std::string::npos) << converted.err;
  EXPECT_EQ(parsedJson(converted.out)["summary"].toObject()["warnings"].toInt(), 1);
}

TEST(ReportFormatsTest, ProgressLineOnlyOnATerminalAndErasedAtTheEnd) {
  const std::string project = (sampleFolder() / "Sample.vbp").string();
  const Result quiet = scan({"--format", "tsv", project});
  EXPECT_EQ(quiet.err.find('\x1b'), std::string::npos);
  const Result shown = scan({"--format", "tsv", project}, cli_test::terminalProgress());
  const std::size_t drawn = shown.err.find("frmMain.frm");
  ASSERT_NE(drawn, std::string::npos) << shown.err;
  EXPECT_NE(shown.err.rfind("\r\x1b[K", drawn), std::string::npos) << shown.err;
  // The final run-time label follows an erased line.
  EXPECT_NE(shown.err.find("\r\x1b[KRun Time: 00:00:00  File: 3/3\n"), std::string::npos) << shown.err;
  EXPECT_EQ(shown.out, quiet.out);
}

}  // namespace
