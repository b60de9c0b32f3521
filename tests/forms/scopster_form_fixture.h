#pragma once
// The main window's form over a recording view, the real settings store in a
// temporary folder and scripted answers for every message box and file
// dialog. What the form opens (splash, About box, help) is counted.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "diagnostics/app_globals.h"
#include "forms/frm_scopster.h"
#include "platform/application_info.h"
#include "tests/forms/recording_scopster_view.h"
#include "tests/support/recording_settings_store.h"
#include "tests/support/test_support.h"

namespace forms_test {

class ScopsterFormTest : public ::testing::Test {
 protected:
  ScopsterFormTest() { platform::installSettingsStore(&store); }
  ~ScopsterFormTest() override { platform::installSettingsStore(nullptr); }

  // Every yield of a run is taken, so that a test acts at a known point.
  forms::ScopsterServices services() {
    forms::ScopsterServices given;
    given.dialogs = &errors.dialogs();
    given.showSplash = [this] { return std::make_unique<Splash>(splashOpen); };
    given.showAboutBox = [this] { ++aboutBoxes; };
    given.applicationFolder = platform::applicationFolder();
    given.openHelpFile = [this](const std::filesystem::path& path) {
      opened.emplace_back(path.string());
      return 42;
    };
    given.yieldInterval = std::chrono::milliseconds(0);
    return given;
  }
  // A fresh window and form, as in the program's next lifetime.
  forms::frmScopster& newForm(forms::ScopsterServices given) {
    form.reset();
    view = std::make_unique<RecordingScopsterView>();
    form = std::make_unique<forms::frmScopster>(*view, std::move(given));
    view->form = form.get();
    return *form;
  }
  forms::frmScopster& newForm() { return newForm(services()); }
  forms::frmScopster& loadedForm(forms::ScopsterServices given) {
    newForm(std::move(given)).Form_Load();
    return *form;
  }
  forms::frmScopster& loadedForm() { return loadedForm(services()); }

  test_support::ScriptedErrorHandler errors;
  test_support::TempDir temp;
  test_support::RecordingSettingsStore store{temp.path() / "config"};
  bool splashOpen = false;
  int aboutBoxes = 0;
  std::vector<std::string> opened;
  std::unique_ptr<RecordingScopsterView> view;
  std::unique_ptr<forms::frmScopster> form;

 private:
  class Splash : public forms::OpenedWindow {
   public:
    // Like the real splash, it sets the product version, which becomes the
    // message boxes' and the window's title.
    explicit Splash(bool& open) : open_(open) {
      open_ = true;
      diagnostics::gsProductVersion = "Scopster vTest";
    }
    void closeWindow() override { open_ = false; }

   private:
    bool& open_;
  };
};

}  // namespace forms_test
