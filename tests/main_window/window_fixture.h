#pragma once
// A real frmScopster over the real settings store in a temporary folder, with
// scripted answers for every message box and file dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QString>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "main_window/frm_scopster.h"
#include "platform/qt/printer_qt.h"
#include "platform/qt/settings_store_qt.h"
#include "platform/settings_store.h"
#include "tests/support/modal_dialogs.h"
#include "tests/support/test_support.h"

namespace window_test {

// The real store, with the keys of its writes kept in order.
class RecordingSettingsStore : public platform::SettingsStore {
 public:
  explicit RecordingSettingsStore(std::filesystem::path folder) : store_(std::move(folder)) {}

  std::string getSetting(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override {
    return store_.getSetting(application, section, key, defaultValue);
  }
  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override {
    writes.emplace_back(key);
    store_.saveSetting(application, section, key, value);
  }
  // The application's own section.
  std::string value(std::string_view key) { return getSetting("Ombry", "Scopster", key, "<absent>"); }
  void put(std::string_view key, std::string_view value) { store_.saveSetting("Ombry", "Scopster", key, value); }

  std::vector<std::string> writes;

 private:
  platform::QtSettingsStore store_;
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { platform::installSettingsStore(&store); }
  ~WindowTest() override {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::installSettingsStore(nullptr);
  }

  // Every yield of a run is taken, so that events queued in a test arrive at
  // a known point; File > Print writes a PDF.
  main_window::WindowOptions options() {
    main_window::WindowOptions testing;
    testing.yieldInterval = std::chrono::milliseconds(0);
    testing.printer = [pdf = pdf()] { return std::make_unique<platform::QtPrinter>(pdf); };
    return testing;
  }
  main_window::frmScopster& newWindow() { return newWindow(options()); }
  main_window::frmScopster& newWindow(main_window::WindowOptions given) {
    window = std::make_unique<main_window::frmScopster>(std::move(given));
    return *window;
  }
  main_window::frmScopster& loadedWindow() {
    newWindow();
    window->Form_Load();
    return *window;
  }

  template <typename Control>
  Control& control(const char* name) const { return test_support::control<Control>(*window, name); }
  QAction& action(const std::string& name) const { return control<QAction>(name.c_str()); }
  QListWidget& list() const { return control<QListWidget>("lstText"); }
  void addListLine(const std::string& line) const { list().addItem(QString::fromStdString(line)); }
  std::vector<std::string> listLines() const {
    std::vector<std::string> lines;
    for (int row = 0; row < list().count(); ++row) lines.push_back(list().item(row)->text().toStdString());
    return lines;
  }
  std::filesystem::path pdf() const { return temp.path() / "printout.pdf"; }

  test_support::ScriptedErrorHandler errors;
  test_support::TempDir temp;
  RecordingSettingsStore store{temp.path() / "config"};
  std::unique_ptr<main_window::frmScopster> window;
};

}  // namespace window_test
