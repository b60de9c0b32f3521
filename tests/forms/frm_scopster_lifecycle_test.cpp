#include <string>
#include <vector>

#include "tests/engine/project_fixture.h"
#include "tests/forms/scopster_form_fixture.h"

namespace {

class FrmScopsterLifecycleTest : public forms_test::ScopsterFormTest {};

TEST_F(FrmScopsterLifecycleTest, StartUpShowsTheWindowAndRemovesTheSplashEvenWhenItEndsEarly) {
  store.put("mnuFileLastFile1", "&1 C:\\Last\\One.vbp");
  struct Case {
    const char* what;
    std::filesystem::path folder;
    const char* source;
    std::size_t boxes;
  };
  const Case cases[] = {
      {"normal", platform::applicationFolder(), "C:\\Last\\One.vbp", 0},
      {"application folder gone", temp.path() / "gone", "", 1},
  };
  for (const Case& c : cases) {
    forms::ScopsterServices given = services();
    given.applicationFolder = c.folder;
    loadedForm(std::move(given));
    EXPECT_TRUE(view->shown) << c.what;
    EXPECT_FALSE(splashOpen) << c.what;
    EXPECT_EQ(view->title, "Scopster vTest") << c.what;
    EXPECT_EQ(view->source, c.source) << c.what;
    EXPECT_EQ(errors.boxCount(), c.boxes) << c.what;
  }
  EXPECT_NE(errors.log().find("frmScopster.Form_Load.4"), std::string::npos);
}

TEST_F(FrmScopsterLifecycleTest, ClosingDuringARunStopsItSavesInOrderAndKeepsTheStopCaption) {
  engine_test::ProjectFixture project;
  project.write("a.bas", engine_test::crlf({"Public A1 As Long", "Public A2 As Long", "Public A3 As Long"}));
  const std::string path = project.write("P.vbp", engine_test::crlf({"Module=a; a.bas"}));
  loadedForm();
  view->setSourceText(path);
  store.writes.clear();
  view->onYield = [this] {
    if (view->lines.size() == 5 && view->shown) view->closeWindow();
  };
  form->cmdAnalyse_Click();
  EXPECT_EQ(view->lines.size(), 5u);
  EXPECT_EQ(view->analyseCaption, "&Stop");
  const std::vector<std::string> saved{"UserRegion",       "txtSource",       "chkAutoScroll",     "frmScopster.Left",
                                       "frmScopster.Top", "frmScopster.Width", "frmScopster.Height"};
  EXPECT_EQ(store.writes, saved);
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(FrmScopsterLifecycleTest, RecentFilesShiftRenumberAndComeBackInTheNextLifetime) {
  loadedForm();
  for (const char* project : {"C:\\P1.vbp", "C:\\P2.vbp", "C:\\P3.vbp", "C:\\P4.vbp", "C:\\P 5.vbp"}) {
    errors.dialogs().queueFile(project);
    form->mnuFileOpenProject_Click();
  }
  form->mnuFileLastFile_Click(3);
  view->setSourceText("typed.vbp");
  form->mnuFileExit_Click();
  EXPECT_FALSE(view->shown);
  const std::array<std::string, 4> captions{"&1 C:\\P3.vbp", "&2 C:\\P 5.vbp", "&3 C:\\P4.vbp", "&4 C:\\P2.vbp"};
  for (std::size_t i = 0; i < captions.size(); ++i)
    EXPECT_EQ(store.value("mnuFileLastFile" + std::to_string(i + 1)), captions[i]);
  EXPECT_EQ(store.value("txtSource"), "typed.vbp");

  loadedForm();
  EXPECT_EQ(view->recent, captions);
  EXPECT_EQ(view->recentShown, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_TRUE(view->separator);
  EXPECT_EQ(view->source, "C:\\P3.vbp");
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(FrmScopsterLifecycleTest, StoredAutoScrollValueComesBackOrIsReported) {
  struct Case {
    const char* stored;  // nullptr: never stored
    std::int16_t value;
    const char* failure;
  };
  const Case cases[] = {{nullptr, 0, nullptr}, {"1", 1, nullptr},       {"0", 0, nullptr},
                        {"2", 2, nullptr},     {"yes", 0, "ErrNo: 13 "}, {"3", 0, "ErrNo: 380 "}};
  for (const Case& c : cases) {
    if (c.stored != nullptr) store.put("chkAutoScroll", c.stored);
    const std::size_t boxesBefore = errors.boxCount();
    loadedForm();
    EXPECT_EQ(view->autoScroll, c.value) << c.stored;
    EXPECT_EQ(errors.boxCount() - boxesBefore, c.failure == nullptr ? 0u : 1u) << c.stored;
    if (c.failure != nullptr) {
      EXPECT_NE(errors.log().find(c.failure), std::string::npos) << c.stored;
    }
    view->closeWindow();
    EXPECT_EQ(store.value("chkAutoScroll"), std::to_string(c.value)) << c.stored;
  }
  EXPECT_NE(errors.log().find("frmScopster.mGetSettings.3"), std::string::npos);
}

// The stored place is the window's, in twips; a minimised window keeps the
// place stored before.
TEST_F(FrmScopsterLifecycleTest, ClosingStoresThePlacementUnlessMinimised) {
  loadedForm();
  view->move(1800, 1350, 6750, 5700);
  view->closeWindow();
  EXPECT_EQ(store.value("frmScopster.Left"), "1800");
  EXPECT_EQ(store.value("frmScopster.Height"), "5700");

  loadedForm();
  EXPECT_EQ(view->outerLeft, 1800);
  EXPECT_EQ(view->clientW, 6750);
  view->isMinimized = true;
  store.writes.clear();
  view->closeWindow();
  EXPECT_EQ(store.writes, (std::vector<std::string>{"UserRegion", "txtSource", "chkAutoScroll"}));
}

}  // namespace
