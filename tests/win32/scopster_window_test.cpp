#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/generate_project.h"
#include "cli/scan_command.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/program_services.h"
#include "diagnostics/scripted_dialogs.h"
#include "forms/frm_scopster.h"
#include "platform/settings_store.h"
#include "platform/settings_store_win.h"
#include "tests/support/test_support.h"
#include "tests/win32/window_script.h"
#include "win32/about_window.h"
#include "win32/message_pump.h"
#include "win32/multi_line_text_window.h"
#include "win32/scopster_ids.h"
#include "win32/scopster_services.h"
#include "win32/scopster_window.h"
#include "win32/system_dialogs.h"
#include "win32/wide_text.h"

namespace {

namespace ids = win32::scopster_ids;
using win32_test::click;

const wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Ombry";

std::wstring textOf(HWND control) { return win32::windowText(control); }

std::vector<std::wstring> listLines(HWND list) {
  std::vector<std::wstring> lines;
  const auto count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring line(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    line.resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
    lines.push_back(line);
  }
  return lines;
}

// What scopster-scan prints for the project, line by line.
std::vector<std::wstring> terminalLines(const std::filesystem::path& project) {
  std::ostringstream out;
  std::ostringstream err;
  cli::runScanCommand({project.string()}, out, err);
  std::vector<std::wstring> lines;
  std::istringstream report(out.str());
  for (std::string line; std::getline(report, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(win32::wideFromCp1252(line));
  }
  return lines;
}

// The system's message boxes with a scripted file dialog: a test cannot pick
// a file in the system's own.
class SystemBoxesScriptedFiles : public diagnostics::Dialogs {
 public:
  SystemBoxesScriptedFiles(diagnostics::Dialogs& boxes, diagnostics::Dialogs& files) : boxes_(boxes), files_(files) {}
  int messageBox(std::string_view prompt, int style, std::string_view title) override {
    return boxes_.messageBox(prompt, style, title);
  }
  std::string openFile(const diagnostics::FileOpenRequest& request) override { return files_.openFile(request); }
  std::string multiLineText(std::string_view caption) override { return boxes_.multiLineText(caption); }

 private:
  diagnostics::Dialogs& boxes_;
  diagnostics::Dialogs& files_;
};

// The main window as Scopster.exe makes it, with the file dialog answered
// from a script; the run yields at every chance, so that events come in.
class Program {
 public:
  explicit Program(diagnostics::Dialogs& dialogs) : form_(window_, services(dialogs)) {
    window_.attach(form_);
    form_.Form_Load();
  }
  ~Program() {
    if (window_.handle() != nullptr) ::SendMessageW(window_.handle(), WM_CLOSE, 0, 0);
  }
  HWND window() const { return window_.handle(); }
  HWND control(int id) const { return ::GetDlgItem(window_.handle(), id); }
  void command(int id) { ::SendMessageW(window_.handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  void setSource(const std::filesystem::path& project) {
    ::SetWindowTextW(control(ids::txtSource), project.wstring().c_str());
  }

 private:
  static forms::ScopsterServices services(diagnostics::Dialogs& dialogs) {
    forms::ScopsterServices made = win32::scopsterServices(dialogs);
    made.yieldInterval = std::chrono::milliseconds(0);
    return made;
  }
  win32::ScopsterWindow window_;
  forms::frmScopster form_;
};

class ScopsterWindowTest : public ::testing::Test {
 protected:
  ScopsterWindowTest() : systemDialogs_([](std::string_view) { return std::string(); }) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  }
  ~ScopsterWindowTest() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }

  // The registry, the system's boxes, and the log in the test's folder.
  diagnostics::ProgramServices programServices() {
    diagnostics::ErrorHandlerSetup setup = diagnostics::defaultErrorHandlerSetup(&systemDialogs_);
    setup.logFile = temp_.path() / "Scopster.log";
    setup.fallbackLogFile.clear();
    return {&settings_, nullptr, setup};
  }

  std::filesystem::path generatedProject() const {
    bench::GeneratorOptions options;
    options.outputDir = temp_.path() / "generated";
    options.fileCount = 30;
    options.lineCount = 6000;
    options.declarationCount = 200;
    options.seed = 7;
    bench::generateProject(options);
    return options.outputDir / "Bench.vbp";
  }

  test_support::TempDir temp_;
  platform::RegistrySettingsStore settings_;
  win32::SystemDialogs systemDialogs_;
  diagnostics::ScriptedDialogs fileDialog_;
  SystemBoxesScriptedFiles dialogs_{systemDialogs_, fileDialog_};
  win32_test::WindowScript script_;
  const diagnostics::InstalledServices services_{programServices()};
};

// The tests start in the repository's folder; a loaded window makes its
// program's folder current.
const std::filesystem::path kRepository = std::filesystem::current_path();

std::filesystem::path sampleProject() { return kRepository / "examples" / "Sample" / "Sample.vbp"; }

// Enter on the focused Analyse button and a click both run the analysis; the
// list then holds what the terminal prints, line for line.
TEST_F(ScopsterWindowTest, AnalysisListsWhatTheTerminalPrints) {
  Program program(dialogs_);
  program.setSource(sampleProject());
  // Focus moved as Tab moves it.
  ::SendMessageW(program.window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(program.control(ids::cmdAnalyse)), TRUE);
  ::PostMessageW(program.control(ids::cmdAnalyse), WM_KEYDOWN, VK_RETURN, 0);
  win32::processPendingMessages();
  EXPECT_EQ(listLines(program.control(ids::lstText)), terminalLines(sampleProject()));
  EXPECT_NE(textOf(program.control(ids::lblRunTime)).find(L"File: 3/3"), std::wstring::npos);

  const std::filesystem::path generated = generatedProject();
  program.setSource(generated);
  click(program.window(), ids::cmdAnalyse);
  const std::vector<std::wstring> full = listLines(program.control(ids::lstText));
  EXPECT_GT(full.size(), 100U);
  EXPECT_EQ(full, terminalLines(generated));
  EXPECT_EQ(textOf(program.control(ids::cmdAnalyse)), L"&Analyse");

  // A click that arrives while the run yields stops it.
  ::PostMessageW(program.control(ids::cmdAnalyse), BM_CLICK, 0, 0);
  click(program.window(), ids::cmdAnalyse);
  const std::vector<std::wstring> stopped = listLines(program.control(ids::lstText));
  EXPECT_LT(stopped.size(), full.size());
  ASSERT_FALSE(stopped.empty());
  EXPECT_EQ(stopped.front(), full.front());
  EXPECT_EQ(textOf(program.control(ids::cmdAnalyse)), L"&Analyse");
  EXPECT_TRUE(script_.boxes().empty());
}

// A close while the run yields stops it; the window unloads at once (the
// source box is stored) and goes once the run has returned.
TEST_F(ScopsterWindowTest, ClosingDuringARunEndsItAndTheWindow) {
  const std::filesystem::path generated = generatedProject();
  Program program(dialogs_);
  program.setSource(generated);
  ::PostMessageW(program.window(), WM_CLOSE, 0, 0);
  click(program.window(), ids::cmdAnalyse);
  EXPECT_EQ(program.window(), nullptr);
  EXPECT_EQ(platform::getSetting("Scopster", "txtSource", ""), generated.string());
  EXPECT_TRUE(script_.boxes().empty());
}

// Closing stores the place in the registry; the next start puts the window
// back there.
TEST_F(ScopsterWindowTest, PlacementComesBackFromTheRegistry) {
  RECT left{};
  {
    Program first(dialogs_);
    ASSERT_TRUE(::SetWindowPos(first.window(), nullptr, 40, 30, 620, 480, SWP_NOZORDER));
    ::GetWindowRect(first.window(), &left);
    ::SendMessageW(first.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(first.window(), nullptr);
  }
  EXPECT_EQ(platform::getSetting("Scopster", "frmScopster.Left", ""), std::to_string(left.left * 15));
  EXPECT_EQ(platform::getSetting("Scopster", "frmScopster.Width", ""), std::to_string((left.right - left.left) * 15));
  Program second(dialogs_);
  RECT restored{};
  ::GetWindowRect(second.window(), &restored);
  EXPECT_TRUE(::EqualRect(&restored, &left)) << restored.left << "," << restored.top << " " << restored.right << ","
                                             << restored.bottom;
  EXPECT_TRUE(script_.boxes().empty());
}

std::vector<std::wstring> recentEntries(HWND window) {
  std::vector<std::wstring> entries;
  HMENU file = ::GetSubMenu(::GetMenu(window), 0);
  for (int id = ids::mnuFileLastFile0 + 1; id <= ids::mnuFileLastFile0 + 5; ++id) {
    wchar_t caption[512] = {};
    if (::GetMenuStringW(file, static_cast<UINT>(id), caption, 512, MF_BYCOMMAND) > 0) entries.push_back(caption);
  }
  return entries;
}

// Five projects opened: the File menu lists the last four, newest first, and
// so does the next start; picking one puts it into the source box.
TEST_F(ScopsterWindowTest, RecentFileMenuHoldsTheLastFourProjects) {
  std::vector<std::wstring> projects;
  for (int i = 1; i <= 5; ++i) {
    const std::filesystem::path project = temp_.write("p" + std::to_string(i) + "\\P.vbp", "Module=M; M.bas\r\n");
    projects.push_back(project.wstring());
    fileDialog_.queueFile(project.string());
  }
  const std::vector<std::wstring> expected = {L"&1 " + projects[4], L"&2 " + projects[3], L"&3 " + projects[2],
                                              L"&4 " + projects[1]};
  {
    Program program(dialogs_);
    EXPECT_TRUE(recentEntries(program.window()).empty());
    for (int i = 0; i < 5; ++i) program.command(ids::mnuFileOpenProject);
    EXPECT_EQ(recentEntries(program.window()), expected);
  }
  Program next(dialogs_);
  EXPECT_EQ(recentEntries(next.window()), expected);
  EXPECT_EQ(textOf(next.control(ids::txtSource)), projects[4]);
  next.command(ids::mnuFileLastFile0 + 3);
  EXPECT_EQ(textOf(next.control(ids::txtSource)), projects[2]);
  EXPECT_TRUE(script_.boxes().empty());
}

// The failures of a run, of Help and of Print reach the system's message box
// through the error handler; Abort ends the command.
TEST_F(ScopsterWindowTest, FailuresAreAskedInTheSystemsMessageBox) {
  // A listed file name with a wildcard cannot be opened.
  temp_.write("failing\\a.bas", "Public Sub A()\r\nEnd Sub\r\n");
  temp_.write("failing\\a.bcd", "Sub B()\r\n    A\r\nEnd Sub\r\n");
  const std::filesystem::path failing = temp_.write("failing\\P.vbp", "Module=a; a.bas\r\nModule=b; a.b*\r\n");
  Program program(dialogs_);
  program.setSource(failing);
  script_.answerBox(IDABORT);
  click(program.window(), ids::cmdAnalyse);
  EXPECT_EQ(textOf(program.control(ids::cmdAnalyse)), L"&Analyse");

  // F1, with no help file beside the program.
  script_.answerBox(IDABORT);
  ::PostMessageW(program.control(ids::txtSource), WM_KEYDOWN, VK_F1, 0);
  win32::processPendingMessages();

  // Wine here has no printer.
  script_.answerBox(IDABORT);
  program.command(ids::mnuFilePrint);

  ASSERT_EQ(script_.boxes().size(), 3U);
  EXPECT_NE(script_.boxes()[0].text.find(L"a.b*"), std::wstring::npos) << script_.boxes()[0].text;
  EXPECT_NE(script_.boxes()[1].text.find(L"Error 2 has occurred with ShellExecute"), std::wstring::npos)
      << script_.boxes()[1].text;
  EXPECT_NE(script_.boxes()[2].text.find(L"Printer error"), std::wstring::npos) << script_.boxes()[2].text;
}

// The About box shows the product and the bug-report switch; its fifth
// closing asks about the newsletter, and the count is kept.
TEST_F(ScopsterWindowTest, AboutBoxCountsItsClosings) {
  Program program(dialogs_);
  std::wstring nameVersion;
  for (int closing = 1; closing <= 5; ++closing)
    script_.onWindow(L"ScopsterAbout", [&](HWND box) {
      nameVersion = textOf(::GetDlgItem(box, win32::controlId(forms::AboutControl::lblNameVersion)));
      ::PostMessageW(box, WM_CLOSE, 0, 0);
    });
  script_.answerBox(IDNO);
  for (int closing = 1; closing <= 5; ++closing) program.command(ids::mnuHelpAbout);
  EXPECT_EQ(nameVersion, L"Scopster v0.916");
  ASSERT_EQ(script_.boxes().size(), 1U);
  EXPECT_NE(script_.boxes()[0].text.find(L"Quillpost"), std::wstring::npos);
  EXPECT_EQ(platform::getSetting("Ombry", "nAboutQuillpostCount", ""), "5");
}

// OK and the close box keep the text as typed; Cancel drops it.
TEST_F(ScopsterWindowTest, MultiLineDialogKeepsTheTextUnlessCancelled) {
  using Control = forms::MultiLineTextControl;
  struct Case {
    const char* name;
    std::function<void(HWND)> close;
    std::string kept;
  };
  const Case cases[] = {
      {"OK", [](HWND dialog) { click(dialog, win32::controlId(Control::cmdOK)); }, "  Dear Ombry,\r\nhello  "},
      {"Cancel", [](HWND dialog) { click(dialog, win32::controlId(Control::cmdCancel)); }, ""},
      {"close box", [](HWND dialog) { ::PostMessageW(dialog, WM_CLOSE, 0, 0); }, "  Dear Ombry,\r\nhello  "},
  };
  Program program(dialogs_);
  for (const Case& c : cases) {
    std::wstring caption;
    script_.onWindow(L"ScopsterMultiLineText", [&](HWND dialog) {
      caption = textOf(dialog);
      ::SetWindowTextW(::GetDlgItem(dialog, win32::controlId(Control::txtMultiLineText)), L"  Dear Ombry,\r\nhello  ");
      c.close(dialog);
    });
    EXPECT_EQ(win32::showMultiLineText("EMail to Ombry"), c.kept) << c.name;
    EXPECT_EQ(caption, L"EMail to Ombry") << c.name;
  }
}

}  // namespace
