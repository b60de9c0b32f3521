#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/result_list_presenter.h"

namespace {

using Elapsed = engine::RunEvents::Elapsed;

// Every change made to the window, in order, as "what value".
class LoggingView : public forms::ResultListView {
 public:
  std::vector<std::string> log;
  std::int32_t count = 0;
  std::int16_t autoScroll = 0;
  bool stop = false;

  void clearList() override { note("clear", ""), count = 0; }
  void appendLine(std::string_view line) override { note("line", line), ++count; }
  std::int32_t listCount() const override { return count; }
  void setListIndex(std::int32_t index) override { note("select", std::to_string(index)); }
  std::int16_t autoScrollValue() const override { return autoScroll; }
  void setRunTimeCaption(std::string_view caption) override { note("runTime", caption); }
  void setProcessingVisible(bool visible) override { note("processing", visible ? "shown" : "hidden"); }
  void setSourceFileCaption(std::string_view caption) override { note("source", caption); }
  void setPublicCaption(std::string_view caption) override { note("public", caption); }
  void setSearchFileCaption(std::string_view caption) override { note("search", caption); }
  void repaint() override { note("repaint", ""); }
  void yield() override {}
  bool stopRequested() const override { return stop; }

 private:
  void note(std::string_view what, std::string_view value) { log.push_back(std::string(what) + " " + std::string(value)); }
};

engine::Verdict verdictOf(std::string_view declaration, bool usedInOwnFile) {
  engine::Verdict verdict;
  verdict.sourceFile = "C:\\p\\a.bas";
  verdict.declaration = declaration;
  verdict.usedInOwnFile = usedInOwnFile;
  return verdict;
}

struct Case {
  const char* what;
  std::int16_t autoScroll;
  bool stop;
  std::function<void(forms::ResultListPresenter&)> events;  // after runStarted("P.vbp")
  std::vector<std::string> shown;                          // after the start's own five
};

const std::vector<Case> kCases = {
    {"project missing", 0, false, [](auto& p) { p.projectMissing(); }, {"line File does not exist"}},
    {"groups without AutoScroll", 0, false,
     [](auto& p) {
       p.verdict(verdictOf("Public A", true));
       p.verdict(verdictOf("Public B", false));
     },
     {"line     C:\\p\\a.bas", "line         Public A", "line         Private", "line ", "line     C:\\p\\a.bas",
      "line         Public B", "line         Unused", "line "}},
    {"AutoScroll shows the end, then selects the declaration", 1, false,
     [](auto& p) { p.verdict(verdictOf("Public A", false)); },
     {"line     C:\\p\\a.bas", "line         Public A", "line         Unused", "line ", "select 4", "select 2"}},
    {"a greyed AutoScroll moves nothing", 2, false, [](auto& p) { p.verdict(verdictOf("Public A", false)); },
     {"line     C:\\p\\a.bas", "line         Public A", "line         Unused", "line "}},
    {"the caption changes with the second or the file", 0, false,
     [](auto& p) {
       p.declaringFilesCounted(3);
       p.fileReadStarted("a.bas");
       p.clockTick(Elapsed(0));
       p.fileSearched("b.cls");
       p.clockTick(Elapsed(999));
       p.clockTick(Elapsed(1000));
       p.declaringFileStarted(1, 3, "a.bas");
       p.declarationStarted("Public A");
       p.clockTick(Elapsed(1500));
     },
     {"source a.bas", "runTime Run Time: 00:00:00  File: 0/3", "search b.cls", "runTime Run Time: 00:00:01  File: 0/3",
      "source a.bas", "public Public A", "runTime Run Time: 00:00:01  File: 1/3"}},
    {"after Stop the reading labels and the clock stay", 0, true,
     [](auto& p) {
       p.declaringFilesCounted(2);
       p.fileReadStarted("a.bas");
       p.fileSearched("a.bas");
       p.clockTick(Elapsed(5000));
       p.runStopped();
     },
     {}},
    {"a finished run counts every file and clears the labels", 0, false,
     [](auto& p) {
       p.declaringFilesCounted(2);
       p.runFinished(Elapsed(3'723'000));
     },
     {"runTime Run Time: 01:02:03  File: 2/2", "processing hidden", "public ", "search ", "source "}},
    {"a missing code file fails the run where it was", 0, false,
     [](auto& p) {
       p.declaringFilesCounted(3);
       p.codeFileMissing("C:\\p\\b.bas");
       p.runFailed(Elapsed(0));
     },
     {"line Can't find file 'C:\\p\\b.bas'", "runTime Run Time: 00:00:00  File: 0/3", "processing hidden", "public ",
      "search ", "source "}},
    {"a new run shows its caption afresh", 0, false,
     [](auto& p) {
       p.declaringFilesCounted(1);
       p.clockTick(Elapsed(0));
       p.runStarted("Q.vbp");
       p.declaringFilesCounted(1);
       p.clockTick(Elapsed(0));
     },
     {"runTime Run Time: 00:00:00  File: 0/1", "clear ", "line Q.vbp", "runTime Run Time: 00:00:00", "processing shown",
      "repaint ", "runTime Run Time: 00:00:00  File: 0/1"}},
};

TEST(ResultListPresenterTest, EventsBecomeListLinesAndLabelsInOrder) {
  for (const Case& c : kCases) {
    LoggingView view;
    view.autoScroll = c.autoScroll;
    forms::ResultListPresenter presenter(view);
    presenter.runStarted("P.vbp");
    view.stop = c.stop;
    c.events(presenter);
    std::vector<std::string> expected{"clear ", "line P.vbp", "runTime Run Time: 00:00:00", "processing shown",
                                      "repaint "};
    expected.insert(expected.end(), c.shown.begin(), c.shown.end());
    EXPECT_EQ(view.log, expected) << c.what;
  }
}

}  // namespace
