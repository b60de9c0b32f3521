// The file routines on Windows: paths as the project writes them, the folder
// search's normal attributes, and files that are not plain disk files.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <filesystem>
#include <string>

#include "diagnostics/dialogs.h"
#include "runtime/vb_error.h"
#include "tests/support/test_support.h"
#include "utilities/file_exists.h"
#include "utilities/line_reader.h"
#include "utilities/vb_path.h"

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

// An entry joins the project's native folder through the ANSI code page: the
// folder keeps letters no code page holds, the entry's byte 0xB3 reads as the
// code page has it, letter case aside; the bytes inside stay as they are.
TEST(FileRoutinesWinTest, EntriesJoinTheNativeFolderThroughTheAnsiCodePage) {
  // A run started for a code page must have it, or it would pass at another.
  if (const char* expected = std::getenv("SCOPSTER_EXPECT_ACP")) {
    ASSERT_EQ(::GetACP(), std::stoul(expected));
  }
  const std::pair<UINT, const wchar_t*> letters[] = {{1250, L"\u0142"}, {1251, L"\u0456"}, {1252, L"\u00B3"}};
  const auto known = std::find_if(std::begin(letters), std::end(letters),
                                  [](const auto& letter) { return letter.first == ::GetACP(); });
  if (known == std::end(letters)) GTEST_SKIP() << "no letter known for code page " << ::GetACP();
  const std::string content = "Public Caf\xE9 As Long\r\n\x80\x9F\r\n";
  test_support::TempDir dir;
  for (const wchar_t* folder : {L"\u0141\u00F3d\u017A", L"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1", L"\u65E5\u672C\u8A9E"}) {
    const fs::path project = dir.path() / folder / L"P.vbp";
    fs::create_directories(project.parent_path());
    const fs::path module = project.parent_path() / (std::wstring(L"Mod") + known->second + L".bas");
    std::FILE* out = ::_wfopen(module.c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(content.data(), 1, content.size(), out);
    ASSERT_EQ(std::fclose(out), 0);
    const utilities::HeldPath entry(utilities::nativeFolderOf(project), "MOD\xB3.BAS");
    bool bError = false;
    EXPECT_TRUE(utilities::gbFileExists(entry, bError)) << utilities::pathText(entry);
    EXPECT_EQ(utilities::readFileBytes(entry).value_or("<none>"), content) << utilities::pathText(entry);
  }
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
