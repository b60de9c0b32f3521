// The file routines on Windows: paths as the project writes them, the folder
// search's normal attributes, and files that are not plain disk files.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "diagnostics/dialogs.h"
#include "runtime/vb_error.h"
#include "tests/support/test_support.h"
#include "utilities/file_exists.h"
#include "utilities/line_reader.h"

namespace {

namespace fs = std::filesystem;

void setAttribute(const fs::path& file, DWORD attribute) {
  ASSERT_TRUE(::SetFileAttributesW(file.c_str(), ::GetFileAttributesW(file.c_str()) | attribute));
}

// One of each kind of entry a search can meet.
void writeProject(const test_support::TempDir& dir) {
  dir.write("Proj/Forms/Main.frm", "VERSION 5.00\r\n");
  setAttribute(dir.write("Proj/Hidden.frm", "x"), FILE_ATTRIBUTE_HIDDEN);
  setAttribute(dir.write("Proj/System.bas", "x"), FILE_ATTRIBUTE_SYSTEM);
  setAttribute(dir.write("Proj/ReadOnly.bas", "x"), FILE_ATTRIBUTE_READONLY);
  fs::create_directory(dir.path() / "Proj/Folder.frm");
}

TEST(FileRoutinesWinTest, FolderSearchFindsNormalFilesAsWritten) {
  test_support::TempDir dir;
  writeProject(dir);
  const std::pair<const char*, bool> cases[] = {
      {"Proj\\Forms\\Main.frm", true},  {"proj\\forms\\MAIN.FRM", true}, {"Proj/Forms/Main.frm", true},
      {"Proj\\ReadOnly.bas", true},     {"Proj\\Hidden.frm", false},     {"Proj\\System.bas", false},
      {"Proj\\Folder.frm", false},      {"Proj\\Missing.frm", false},    {"NoFolder\\Main.frm", false},
      {"Proj\\Forms\\*.FRM", true},     {"Proj\\Forms\\m?in.*", true},   {"Proj\\*.bas", true},
      {"Proj\\H*.frm", false},          {"Proj\\Sys*", false},           {"Proj\\Folder*", false},
      {"NoFolder\\*.frm", false},
  };
  test_support::ScriptedErrorHandler handler;
  for (const auto& [relative, expected] : cases) {
    bool bError = false;
    EXPECT_EQ(utilities::gbFileExists(dir.str() + "\\" + relative, bError), expected) << relative;
    EXPECT_FALSE(bError) << relative;
  }
  EXPECT_EQ(handler.boxCount(), 0u);
}

TEST(FileRoutinesWinTest, ReadsWindows1252NamesAndBytes) {
  test_support::TempDir dir;
  // \xE9 is "é" in the ANSI code page; the bytes inside stay as they are.
  const std::string content = "Public Caf\xE9 As Long\r\n\x80\x9F\r\n";
  const fs::path file = dir.path() / L"Caf\u00E9.bas";
  std::FILE* out = ::_wfopen(file.c_str(), L"wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(content.data(), 1, content.size(), out);
  ASSERT_EQ(std::fclose(out), 0);
  const auto bytes = utilities::readFileBytes(dir.str() + "\\CAF\xC9.BAS");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, content);
}

TEST(FileRoutinesWinTest, DevicesAndFoldersReadAsNoFile) {
  test_support::TempDir dir;
  fs::create_directory(dir.path() / "Folder.bas");
  test_support::ScriptedErrorHandler handler(diagnostics::msgbox::Abort);
  // A device never makes the reader wait: it is no file, or a reported failure.
  for (const std::string& name : {std::string("CON"), std::string("NUL"), std::string("\\\\.\\pipe\\scopster-none"),
                                 dir.str() + "\\Folder.bas"}) {
    utilities::LineList lines;
    std::string header;
    try {
      utilities::gReadFileLines(name, lines, header);
    } catch (const vb::VbError& failure) {
      EXPECT_EQ(failure.number(), vb::err::PathFileAccessError) << name;
    }
    EXPECT_EQ(utilities::upperBound(lines), 0) << name;
  }
}

}  // namespace
