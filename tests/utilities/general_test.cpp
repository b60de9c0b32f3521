#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/system_services.h"
#include "tests/support/test_support.h"
#include "utilities/general.h"

namespace {

using namespace std::string_literals;

TEST(GeneralTest, TextRoutines) {
  const std::pair<std::string, std::string> trimCases[] = {
      {"\0\0 abc \0"s, "abc"},  {" \0abc"s, "\0abc"s},  // a NUL behind a blank stays
      {"abc\0 "s, "abc\0"s},    {"\0\0\0"s, ""},        {"", ""},
      {"\tabc ", "\tabc"},      {"a\0 b"s, "a\0 b"s},   {"\0 \0"s, ""},
  };
  const std::pair<std::string, bool> lenCases[] = {{"  ", false}, {"\0"s, false}, {" a ", true}, {"\t", true}};
  const std::pair<std::string, int> asciiCases[] = {{"", 0}, {"A", 65}, {"abc", 97}, {"\xE9t\xE9", 233}, {"\xFF", 255}};
  const std::tuple<std::string, std::string, std::string> stripCases[] = {
      {"xxabc", "x", "abc"}, {"xxabc", "X", "xxabc"}, {"xxabc", "xx", "xxabc"}, {"xxx", "x", ""},
      {"", "", ""},          {"axx", "x", "axx"},
  };
  test_support::ScriptedErrorHandler handler;
  bool bError = false;
  for (const auto& [text, expected] : trimCases) EXPECT_EQ(utilities::gsGTrim(text, bError), expected) << text;
  for (const auto& [text, expected] : lenCases) EXPECT_EQ(utilities::gbGLenTrim(text, bError), expected) << text;
  for (const auto& [text, expected] : asciiCases) EXPECT_EQ(utilities::gnGAscii(text, bError), expected) << text;
  for (const auto& [text, strip, expected] : stripCases)
    EXPECT_EQ(utilities::gsGStringLeftStrip(text, strip, bError), expected) << text << '/' << strip;
  EXPECT_FALSE(bError);
  EXPECT_EQ(handler.boxCount(), 0U);
}

TEST(GeneralTest, OsVersionText) {
  const std::string longPack(127, 'p');
  const std::pair<platform::OsVersionInfo, std::string> cases[] = {
      {{2, 5, 1, 2600, "Service Pack 2", ""}, "WinNT v5.1 Build 2600 Service Pack 2"},
      {{2, 5, 0, 2195, "", ""}, "WinNT v5.0 Build 2195 "},  // the blank stays
      {{2, 6, 1, 0, "#1 SMP", "Linux"}, "Linux v6.1 Build 0 #1 SMP"},
      {{2, 10, 0, 19045, longPack, ""}, "WinNT v10.0 Build 19045 " + longPack},
  };
  for (const auto& [info, expected] : cases) EXPECT_EQ(utilities::osVersionText(info), expected);
}

TEST(GeneralTest, MissingHelpFileIsReported) {
  const test_support::TempDir emptyFolder;
  test_support::ScriptedErrorHandler handler(diagnostics::msgbox::Ok);
  bool bError = false;
  utilities::showHelpIn(emptyFolder.path(), platform::openFile, bError);
  ASSERT_EQ(handler.boxCount(), 1U);
  EXPECT_EQ(handler.prompt(0), "Source: modGeneral.gGShowHelp.ShellExecute\r\n\r\nError 2 has occurred with ShellExecute");
  EXPECT_EQ(handler.dialogs().boxes()[0].style, 48);
  EXPECT_TRUE(bError);  // OK counts as Abort
}

}  // namespace
