#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"
#include "utilities/vb_path.h"

namespace {

// The entry joins the project's native folder, whose name no code page need
// hold; only the entry's own components are matched.
TEST(VbPathTest, MapsProjectSpellingToTheFileSystem) {
  test_support::TempDir dir;
  const std::string name = "\u65E5\u672C\u8A9E \u0141\u00F3d\u017A";
  const std::filesystem::path folder = dir.path() / name / "";
  for (const char* file : {"Forms/X_BlackLight.frm", "Café/Menu.frm", "Mods/Ünïcode.bas", "Mods/Šipka.bas",
                           "Twins/a.frm", "Twins/A.FRM", "Sub/Deep/File.bas"})
    dir.write(name + "/" + file, "");
  // Project text is Windows-1252: \xC9 É, \xDC Ü, \xCF Ï, \x9A š, \xE9 é.
  const std::pair<const char*, const char*> cases[] = {
      {"Forms/X_BlackLight.frm", "Forms/X_BlackLight.frm"},
      {"Forms\\X_Blacklight.frm", "Forms/X_BlackLight.frm"},
      {"forms/x_blacklight.FRM", "Forms/X_BlackLight.frm"},
      {"CAF\xC9\\menu.frm", "Café/Menu.frm"},
      {"Mods\\\xDCN\xCF" "CODE.BAS", "Mods/Ünïcode.bas"},
      {"mods\\\x9Aipka.bas", "Mods/Šipka.bas"},
      {"Twins\\a.FRM", "Twins/a.FRM"},
      {"sub\\deep\\..\\.\\DEEP\\file.bas", "Sub/Deep/.././Deep/File.bas"},
      {"Missing\\forms\\x.frm", "Missing/forms/x.frm"},
      {"Forms\\Caf\xE9.frm", "Forms/Café.frm"},
  };
  for (const auto& [written, expected] : cases)
    EXPECT_EQ(utilities::nativePath({folder, written}).string(), (folder / expected).string()) << written;
}

TEST(VbPathTest, DriveLetterPathStaysAsWritten) {
  EXPECT_EQ(utilities::nativePath("C:\\Proj\\Caf\xE9.frm").string(), "C:\\Proj\\Caf\u00E9.frm");
}

// The project folder and the file-existence test cut a path the same way.
TEST(VbPathTest, FolderIsUpToTheLastSeparatorOfEitherKind) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Proj\\Forms/a.frm", "C:\\Proj\\Forms/"}, {"C:\\*.frm", "C:\\"}, {"/a", "/"},
      {"Forms\\", "Forms\\"}, {"a.vbp", ""}, {"", ""},
  };
  for (const auto& [path, folder] : cases) EXPECT_EQ(utilities::folderOf(path), folder) << path;
}

}  // namespace
