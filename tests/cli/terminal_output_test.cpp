// What reaches a terminal and what a report points at: control bytes, the
// progress line on narrow and escape-blind terminals, file URIs with drives.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/json_text.h"
#include "cli/progress_line.h"
#include "cli/terminal_text.h"
#include "tests/cli/scan_result.h"

namespace {

namespace fs = std::filesystem;

TEST(TerminalOutputTest, ControlCharactersBecomeQuestionMarks) {
  struct Case {
    std::string text;
    bool keepLayout;
    std::string shown;
  };
  const Case cases[] = {
      {"lf\x1b]0;PWNED\x07.bas", false, "lf?]0;PWNED?.bas"},
      {"a\nb\tc\rd\x7F", false, "a?b?c?d?"},
      {"a\nb\tc\rd", true, "a\nb\tc?d"},
      {"x\xC2\x9D" "0;t\xC2\x9C" "y", false, "x?0;t?y"},  // OSC and ST as C1 characters
      {"caf\xC3\xA9 \xC2\xA0\xE2\x82\xAC", false, "caf\xC3\xA9 \xC2\xA0\xE2\x82\xAC"},
      {"latin1 \x9B" "2J caf\xE9 \xE6\x97", false, "latin1 ?2J caf? ??"},  // no UTF-8: a lone CSI, a cut sequence
  };
  for (const Case& c : cases) EXPECT_EQ(cli::terminalSafe(c.text, c.keepLayout), c.shown) << c.text;
  // Windows-1252 0x9D is U+009D, the same command.
  EXPECT_EQ(cli::terminalSafeFrom1252("\x9D" "a\xE9"), "?a\xC3\xA9");
}

// Every piece drawn between two CRs, as the terminal shows it in turn.
std::vector<std::string> drawnLines(const std::string& err) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t cr; (cr = err.find('\r', start)) != std::string::npos; start = cr + 1)
    lines.push_back(err.substr(start, cr - start));
  lines.push_back(err.substr(start));
  return lines;
}

TEST(TerminalOutputTest, ProgressLineFitsANarrowTerminal) {
  std::ostringstream err;
  cli::ProgressLine progress(err, cli_test::terminalProgress(40));
  progress.startRun();
  const std::string text = "Run Time: 00:00:01  " + std::string(60, 'f') + "/frmMain.frm";
  progress.update(text);
  const std::vector<std::string> lines = drawnLines(err.str());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "\x1b[K" + text.substr(text.size() - 39));
}

TEST(TerminalOutputTest, ProgressLineWithoutEscapesOverwritesWithSpaces) {
  std::ostringstream err;
  cli::ProgressLine progress(err, cli_test::terminalProgress(0, false));
  progress.startRun();
  const std::string longText(100, 'L');
  progress.update(longText);
  std::this_thread::sleep_for(std::chrono::milliseconds(150));  // past the redraw interval
  progress.update("short \x1b");
  progress.erase();
  EXPECT_EQ(err.str().find('\x1b'), std::string::npos) << err.str();
  const std::vector<std::string> lines = drawnLines(err.str());
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], std::string(79, 'L'));
  EXPECT_EQ(lines[2], "short ?" + std::string(72, ' '));
  EXPECT_EQ(lines[3], std::string(79, ' '));
  EXPECT_EQ(lines[4], "");
}

TEST(TerminalOutputTest, FileUrisKeepTheDriveColon) {
  struct Case {
    std::u8string path;
    bool folder;
    std::string uri;
  };
  const Case cases[] = {
      {u8"C:\\Work\\Billing", true, "file:///C:/Work/Billing/"},
      {u8"d:\\Alt Code\\\u00E9t\u00E9.bas", false, "file:///d:/Alt%20Code/%C3%A9t%C3%A9.bas"},
      {u8"C:\\a:b#c.bas", false, "file:///C:/a%3Ab%23c.bas"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cli::fileUri(fs::path(c.path), c.folder), c.uri) << c.uri;
}

}  // namespace
