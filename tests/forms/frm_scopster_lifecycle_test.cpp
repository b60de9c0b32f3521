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

}  // namespace
