// Times one analysis run through the real main window, offscreen: the run
// from the Analyse click to its return, and the longest time the window went
// without handling its events (between two yields, and at the run's start and
// end).
//
//   scopster-window-bench [--autoscroll] PROJECT.vbp
//
// --autoscroll ticks AutoScroll for the run, as a user would.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "diagnostics/program_services.h"
#include "diagnostics/scripted_dialogs.h"
#include "forms/frm_scopster.h"
#include "main_window/scopster_window.h"
#include "main_window/window_services.h"
#include "widgets/vb_check_box.h"

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// A stopwatch around each yield of the window's run.
class YieldTimer {
 public:
  void startTiming() {
    yieldEnded_ = Clock::now();
    longestGap_ = {};
    yields_ = 0;
  }
  void yield() {
    noteGap();
    main_window::ScopsterWindow::processWindowEvents();
    yieldEnded_ = Clock::now();
    ++yields_;
  }
  // The stretch from the last yield to the run's return counts too.
  void noteGap() { longestGap_ = std::max(longestGap_, Clock::now() - yieldEnded_); }

  Clock::duration longestGap() const { return longestGap_; }
  long yields() const { return yields_; }

 private:
  Clock::time_point yieldEnded_;
  Clock::duration longestGap_{};
  long yields_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const bool autoScroll = argc == 3 && std::string(argv[1]) == "--autoscroll";
  if (argc != 2 && !autoScroll) {
    std::fprintf(stderr, "usage: scopster-window-bench [--autoscroll] PROJECT.vbp\n");
    return 64;
  }
  const char* project = argv[argc - 1];
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  diagnostics::ScriptedDialogs dialogs(diagnostics::msgbox::Abort);
  dialogs.onBox([](const diagnostics::ShownBox& box) { std::fprintf(stderr, "%s\n", box.prompt.c_str()); });
  const diagnostics::InstalledServices services({nullptr, nullptr, diagnostics::defaultErrorHandlerSetup(&dialogs)});

  YieldTimer timer;
  main_window::ScopsterWindow window([&timer] { timer.yield(); });
  forms::frmScopster form(window.view(), main_window::windowServices(window, dialogs));
  window.attach(form);
  window.show();
  QCoreApplication::processEvents();
  window.findChild<QLineEdit*>(QStringLiteral("txtSource"))->setText(QString::fromLocal8Bit(project));
  window.findChild<widgets::VbCheckBox*>(QStringLiteral("chkAutoScroll"))->setValue(autoScroll ? 1 : 0);
  auto* analyse = window.findChild<QPushButton*>(QStringLiteral("cmdAnalyse"));

  timer.startTiming();
  const Clock::time_point start = Clock::now();
  analyse->click();
  timer.noteGap();
  const Clock::duration runTime = Clock::now() - start;

  std::printf("run time: %.3f s\n", milliseconds(runTime) / 1000);
  std::printf("longest gap between yields: %.1f ms\n", milliseconds(timer.longestGap()));
  std::printf("yields: %ld\n", timer.yields());
  std::printf("result lines: %d\n", window.findChild<QListWidget*>(QStringLiteral("lstText"))->count());
  return dialogs.boxes().empty() ? 0 : 2;
}
