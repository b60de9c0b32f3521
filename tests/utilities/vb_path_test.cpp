#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"
#include "utilities/vb_path.h"

namespace {

TEST(VbPathTest, MapsProjectSpellingToTheFileSystem) {
  test_support::TempDir dir;
  dir.write("Forms/X_BlackLight.frm", "");
  dir.write("Café/Menu.frm", "");
  dir.write("Mods/Ünïcode.bas", "");
  dir.write("Mods/Šipka.bas", "");
  dir.write("Twins/a.frm", "");
  dir.write("Twins/A.FRM", "");
  dir.write("Sub/Deep/File.bas", "");
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
    EXPECT_EQ(utilities::nativePath(dir.str() + "\\" + written).string(), (dir.path() / expected).string()) << written;
}

TEST(VbPathTest, DriveLetterPathStaysAsWritten) {
  EXPECT_EQ(utilities::nativePath("C:\\Proj\\Forms\\a.frm").string(), "C:\\Proj\\Forms\\a.frm");
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
