#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "diagnostics/dialogs.h"
#include "runtime/vb_error.h"
#include "tests/engine/project_fixture.h"
#include "tests/forms/scopster_form_fixture.h"

namespace {

class FrmScopsterCommandsTest : public forms_test::ScopsterFormTest {
 protected:
  // A module declaring count names that nothing uses, and a second module.
  std::string unusedDeclarations(int count) {
    std::string module;
    for (int i = 0; i < count; ++i) module += "Public Unused" + std::to_string(i) + "_ As Long\r\n";
    project.write("a.bas", module);
    project.write("b.bas", "' nothing\r\n");
    return project.write("P.vbp", engine_test::crlf({"Module=a; a.bas", "Module=b; b.bas"}));
  }

  engine_test::ProjectFixture project;
};

TEST_F(FrmScopsterCommandsTest, StopKeepsWhatWasFoundAndTheNextAnalyseRunsNormally) {
  newForm();
  view->setSourceText(unusedDeclarations(30));
  std::string captionAtStop;
  view->onYield = [&] {
    if (view->lines.size() != 1 + 3 * 4 || !captionAtStop.empty()) return;
    captionAtStop = view->analyseCaption;
    EXPECT_TRUE(form->running());
    form->cmdAnalyse_Click();
  };
  form->cmdAnalyse_Click();
  EXPECT_EQ(captionAtStop, "&Stop");
  EXPECT_EQ(view->lines.size(), 1u + 3 * 4);
  EXPECT_TRUE(view->processing);
  EXPECT_EQ(view->analyseCaption, "&Analyse");

  form->cmdAnalyse_Click();
  EXPECT_EQ(view->lines.size(), 1u + 30 * 4);
  EXPECT_FALSE(view->processing);
  EXPECT_FALSE(form->stopRequested() || form->running());
}

// Ticked mid-run, AutoScroll selects the newest declaration at once; the
// view shows the list's moves after the click and at the run's end.
TEST_F(FrmScopsterCommandsTest, AutoScrollTickedDuringARunFollowsItAtOnce) {
  newForm();
  view->setSourceText(unusedDeclarations(5));
  view->onYield = [&] {
    if (view->lines.size() != 1 + 2 * 4 || view->autoScroll == 1) return;
    view->autoScroll = 1;
    form->chkAutoScroll_Click();
    EXPECT_EQ(view->listIndex, 7);
  };
  form->cmdAnalyse_Click();
  EXPECT_EQ(view->listMovesShown, 2);
}

TEST_F(FrmScopsterCommandsTest, EveryChangeOfTheSourceBoxEmptiesTheList) {
  newForm();
  view->recent = {"&1 C:\\A.vbp", "&2 C:\\Old\\Old.vbp"};
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"typing", [&] { view->setSourceText("a"); }},
      {"recent entry", [&] { form->mnuFileLastFile_Click(2); }},
      {"browsing", [&] {
         errors.dialogs().queueFile("C:\\New\\New.vbp");
         form->mnuFileOpenProject_Click();
       }},
  };
  for (const auto& [how, change] : changes) {
    view->lines = {"a line"};
    change();
    EXPECT_TRUE(view->lines.empty()) << how;
  }
  EXPECT_EQ(view->source, "C:\\New\\New.vbp");
  EXPECT_EQ(view->recent[1], "&2 C:\\Old\\Old.vbp") << "the picked entry went first, then the browsed one";
  EXPECT_EQ(store.value("mnuFileLastFile3"), "&3 C:\\A.vbp");
  EXPECT_EQ(errors.boxCount(), 0u);
}

TEST_F(FrmScopsterCommandsTest, EachWayIntoTheBrowseDialogRemembersItsOwnFolder) {
  newForm();
  auto& dialogs = errors.dialogs();
  dialogs.queueFile("C:\\Proj\\App.vbp");
  form->mnuFileOpenProject_Click();
  view->lines = {"kept"};
  form->mnuFileOpenProject_Click();  // cancelled: box and list stay, the folder is forgotten
  EXPECT_EQ(view->lines, std::vector<std::string>{"kept"});
  dialogs.queueFile("/srv/vb/Other One.vbp");
  form->txtSource_DblClick();
  form->mnuFileOpenProject_Click();
  form->txtSource_DblClick();

  const std::string app = platform::applicationFolder().string();
  std::vector<std::string> folders;
  for (const auto& request : dialogs.fileRequests()) folders.push_back(request.initialFolder);
  EXPECT_EQ(folders, (std::vector<std::string>{app, "C:\\Proj\\", app, app, "/srv/vb/"}));
  const auto& first = dialogs.fileRequests().front();
  EXPECT_EQ(first.title, "Source file");
  EXPECT_EQ(first.filter, "Visual Basic Projects (*.vbp)|*.vbp");
  EXPECT_EQ(first.fileName, "*.vbp");
  EXPECT_EQ(first.flags, 4108);
  EXPECT_EQ(view->source, "/srv/vb/Other One.vbp");
  EXPECT_EQ(store.value("mnuFileLastFile1"), "&1 /srv/vb/Other One.vbp");
  EXPECT_EQ(store.value("mnuFileLastFile2"), "&2 C:\\Proj\\App.vbp");
}

TEST_F(FrmScopsterCommandsTest, RecentCaptionTooShortForItsPrefixIsReportedAndChangesNothing) {
  newForm();
  view->recent[0] = "&1";
  view->source = "keep";
  form->mnuFileLastFile_Click(1);
  EXPECT_EQ(view->source, "keep");
  ASSERT_EQ(errors.boxCount(), 1u);
  EXPECT_NE(errors.log().find("frmScopster.mnuFileLastFile_Click.1"), std::string::npos);
  EXPECT_NE(errors.log().find("ErrNo: 5 "), std::string::npos);
}

// Each line meets the failed printer again; Ignore goes on to the next line
// and its box, Abort ends the printing at once.
TEST_F(FrmScopsterCommandsTest, AfterAFailedPrinterEachLineAsksAgainUntilAbort) {
  namespace mb = diagnostics::msgbox;
  const std::pair<std::vector<int>, std::size_t> cases[] = {  // answers before Abort, boxes
      {{}, 1},
      {{mb::Ignore}, 2},
      {{mb::Ignore, mb::Ignore, mb::Ignore}, 4}};
  for (const auto& [answers, boxes] : cases) {
    forms::ScopsterServices given = services();
    given.printer = []() -> std::unique_ptr<platform::Printer> { vb::raise(vb::err::PrinterError); };
    newForm(std::move(given));
    view->lines = {"one", "two", "three", "four", "five", "six"};
    const std::size_t before = errors.boxCount();
    for (const int answer : answers) errors.dialogs().queueAnswer(answer);
    form->mnuFilePrint_Click();
    EXPECT_EQ(errors.boxCount() - before, boxes) << answers.size();
  }
  EXPECT_NE(errors.log().find("frmScopster.mnuFilePrint_Click.1"), std::string::npos);
}

TEST_F(FrmScopsterCommandsTest, HelpOpensTheHelpDocumentAndAboutOpensTheAboutBox) {
  newForm();
  form->mnuHelpHelp_Click();
  form->mnuHelpAbout_Click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].rfind(platform::helpFolder().string(), 0), 0u) << opened[0];
  EXPECT_EQ(aboutBoxes, 1);
  EXPECT_EQ(errors.boxCount(), 0u);
}

}  // namespace
