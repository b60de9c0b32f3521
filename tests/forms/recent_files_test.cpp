#include <gtest/gtest.h>

#include <array>
#include <string>

#include "forms/recent_file_entries.h"
#include "forms/recent_files.h"
#include "tests/forms/recording_scopster_view.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/test_support.h"

namespace {

using Captions = std::array<std::string, 4>;
using Shown = std::array<bool, 4>;

// The File menu's entries as the window's form gives them to the list.
class Menu {
 public:
  // Entries with a caption are shown, as after loading them.
  explicit Menu(const Captions& captions = {}, const std::string& source = "") {
    view_.source = source;
    view_.recent = captions;
    for (std::size_t i = 0; i < 4; ++i) view_.recentShown[i] = !captions[i].empty();
    view_.separator = !captions[0].empty();
  }
  forms::RecentFileEntries& entries() { return entries_; }
  Captions captions() const { return view_.recent; }
  Shown shown() const { return view_.recentShown; }
  bool separatorShown() const { return view_.separator; }

 private:
  forms_test::RecordingScopsterView view_;
  forms::RecentFileEntries entries_{view_};
};

std::string key(std::size_t slot) { return "mnuFileLastFile" + std::to_string(slot + 1); }

struct UpdateCase {
  const char* what;
  Captions before;
  std::string source;
  Captions after;  // == before: nothing may be written
};

TEST(RecentFilesTest, UpdateMovesTheProjectToTheTop) {
  const Captions four{"&1 C:\\P1.vbp", "&2 C:\\P2.vbp", "&3 C:\\P3.vbp", "&4 C:\\P4.vbp"};
  const UpdateCase cases[] = {
      {"already first", four, "C:\\P1.vbp", four},
      {"third of four", four, "C:\\P3.vbp", {"&1 C:\\P3.vbp", "&2 C:\\P1.vbp", "&3 C:\\P2.vbp", "&4 C:\\P4.vbp"}},
      {"new after two", {"&1 C:\\A.vbp", "&2 C:\\B.vbp"}, "C:\\C.vbp",
       {"&1 C:\\C.vbp", "&2 C:\\A.vbp", "&3 C:\\B.vbp", ""}},
      {"empty source", four, "", four},
#ifdef _WIN32
      // Windows names one file in either case: the entry stays as it is.
      {"case-insensitive", {"&1 C:\\A\\X.vbp", "", "", ""}, "c:\\a\\x.vbp", {"&1 C:\\A\\X.vbp", "", "", ""}},
      {"any script's case", {"&1 C:\\\u0141\u00F3d\u017A.vbp"}, "c:\\\u0142\u00D3D\u0179.vbp",
       {"&1 C:\\\u0141\u00F3d\u017A.vbp", "", "", ""}},
      // Bytes of two letters' UTF-8 that the Windows-1252 table takes for one
      // letter in two cases.
      {"other letters", {"&1 C:\\\u010A.vbp"}, "C:\\\u011A.vbp", {"&1 C:\\\u011A.vbp", "&2 C:\\\u010A.vbp", "", ""}},
#else
      {"case-sensitive", {"&1 C:\\A\\X.vbp"}, "c:\\a\\x.vbp", {"&1 c:\\a\\x.vbp", "&2 C:\\A\\X.vbp", "", ""}},
#endif
      {"part of a longer path", {"&1 C:\\Other.vbp", "&2 /mnt/b/home/u/A.vbp", "&3 C:\\Z.vbp"}, "/home/u/A.vbp",
       {"&1 /home/u/A.vbp", "&2 C:\\Other.vbp", "&3 /mnt/b/home/u/A.vbp", "&4 C:\\Z.vbp"}},
      {"longer than an entry", {"&1 C:\\Other.vbp", "&2 A.vbp"}, "/home/u/A.vbp",
       {"&1 /home/u/A.vbp", "&2 C:\\Other.vbp", "&3 A.vbp", ""}},
      {"the entry's prefix", {"&1 C:\\Other.vbp", "&2 C:\\B.vbp"}, "&2 C:\\B.vbp",
       {"&1 &2 C:\\B.vbp", "&2 C:\\Other.vbp", "&3 C:\\B.vbp", ""}},
      {"same path, blanks inside", {"&1 C:\\Other.vbp", "&2 C:\\My Work\\A.vbp"}, "C:\\My Work\\A.vbp",
       {"&1 C:\\My Work\\A.vbp", "&2 C:\\Other.vbp", "", ""}},
      {"caption without a blank", {"C:\\raw.vbp"}, "C:\\New.vbp", {"&1 C:\\New.vbp", "&2 C:\\raw.vbp", "", ""}},
  };
  for (const auto& c : cases) {
    test_support::ScriptedErrorHandler handler;
    test_support::MemorySettingsStore settings;
    Menu menu(c.before, c.source);
    bool bError = false;
    forms::gLastFileUpdate(menu.entries(), bError);

    const Menu expected(c.after);
    EXPECT_EQ(menu.captions(), c.after) << c.what;
    EXPECT_EQ(menu.shown(), expected.shown()) << c.what;
    EXPECT_EQ(menu.separatorShown(), expected.separatorShown()) << c.what;
    const bool changed = c.after != c.before;
    EXPECT_EQ(settings.writes, changed ? 4 : 0) << c.what;
    for (std::size_t i = 0; changed && i < 4; ++i) EXPECT_EQ(settings.value(key(i)), c.after[i]) << c.what;
    EXPECT_FALSE(bError) << c.what;
  }
}

TEST(RecentFilesTest, ReadShowsStoredEntriesVerbatim) {
  const std::pair<Captions, bool> cases[] = {  // stored, separator shown
      {{"", "&2 C:\\B.vbp"}, false},  // entry 2 shows, the separator does not
      {{"C:\\no prefix.vbp", "", "", "&1 dup"}, true},
  };
  for (const auto& [stored, separator] : cases) {
    test_support::ScriptedErrorHandler handler;
    test_support::MemorySettingsStore settings;
    for (std::size_t i = 0; i < 4; ++i) settings.put(key(i), stored[i]);
    Menu menu;
    bool bError = false;
    forms::gLastFileRead(menu.entries(), bError);
    EXPECT_EQ(menu.captions(), stored);
    EXPECT_EQ(menu.shown(), Menu(stored).shown());
    EXPECT_EQ(menu.separatorShown(), separator) << stored[0];
    EXPECT_EQ(settings.writes, 0);
  }
}

TEST(RecentFilesTest, StoreFailureLeavesTheMenuUpdated) {
  test_support::ScriptedErrorHandler handler;
  platform::installSettingsStore(nullptr);
  Menu menu({"&1 C:\\A.vbp"}, "C:\\B.vbp");
  bool bError = false;
  forms::gLastFileUpdate(menu.entries(), bError);
  EXPECT_EQ(menu.captions(), (Captions{"&1 C:\\B.vbp", "&2 C:\\A.vbp", "", ""}));
  ASSERT_EQ(handler.boxCount(), 1U);  // Abort stops at the first key
  EXPECT_EQ(handler.prompt(0).rfind("Source: modLastFile.gLastFileUpdate.5\r\n", 0), 0U);
  EXPECT_TRUE(bError);
}

}  // namespace
