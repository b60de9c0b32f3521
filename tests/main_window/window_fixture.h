#pragma once
// The real Qt main window and its form over the real settings store in a
// temporary folder, with scripted answers for every message box and file
// dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QString>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "forms/frm_scopster.h"
#include "main_window/scopster_window.h"
#include "main_window/window_services.h"
#include "platform/qt/printer_qt.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/recording_settings_store.h"
#include "tests/support/test_support.h"

namespace window_test {

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { platform::installSettingsStore(&store); }
  ~WindowTest() override {
    form.reset();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::installSettingsStore(nullptr);
  }

  // Every yield of a run is taken, so that events queued in a test arrive at
  // a known point; File > Print writes a PDF.
  forms::ScopsterServices options() {
    forms::ScopsterServices testing = main_window::windowServices(*window, errors.dialogs());
    testing.yieldInterval = std::chrono::milliseconds(0);
    testing.printer = [pdf = pdf()] { return std::make_unique<platform::QtPrinter>(pdf); };
    return testing;
  }
  main_window::ScopsterWindow& newWindow() {
    return newWindow([this] { return options(); });
  }
  // given makes the form's services once the window exists.
  template <typename Services>
  main_window::ScopsterWindow& newWindow(Services given) {
    form.reset();
    window = std::make_unique<main_window::ScopsterWindow>();
    form = std::make_unique<forms::frmScopster>(window->view(), given());
    window->attach(*form);
    return *window;
  }
  main_window::ScopsterWindow& loadedWindow() {
    newWindow();
    form->Form_Load();
    return *window;
  }

  template <typename Control>
  Control& control(const char* name) const { return test_support::control<Control>(*window, name); }
  QAction& action(const std::string& name) const { return control<QAction>(name.c_str()); }
  QListWidget& list() const { return control<QListWidget>("lstText"); }
  std::vector<std::string> listLines() const {
    std::vector<std::string> lines;
    for (int row = 0; row < list().count(); ++row) lines.push_back(list().item(row)->text().toStdString());
    return lines;
  }
  void addListLine(const std::string& line) const { list().addItem(QString::fromStdString(line)); }
  std::filesystem::path pdf() const { return temp.path() / "printout.pdf"; }

  test_support::ScriptedErrorHandler errors;
  test_support::TempDir temp;
  test_support::RecordingSettingsStore store{temp.path() / "config"};
  std::unique_ptr<main_window::ScopsterWindow> window;
  std::unique_ptr<forms::frmScopster> form;
};

}  // namespace window_test
