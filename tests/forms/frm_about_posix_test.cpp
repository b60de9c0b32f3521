// Where no system-information program is on the search path.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "forms/frm_about.h"
#include "tests/forms/recording_form_view.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

struct AboutView : test_support::RecordingFormView<forms::AboutView, forms::AboutControl> {
  std::int16_t sendBugReportsValue() const override { return 0; }
  void setSendBugReportsValue(std::int16_t) override {}
};

TEST(AboutPosixTest, SystemInfoWithoutAProgramSaysUnavailable) {
  const test_support::ProductTexts texts;
  test_support::ScriptedErrorHandler handler;
  test_support::MemorySettingsStore store;
  const char* path = std::getenv("PATH");
  const std::string savedPath = path != nullptr ? path : "";
  const test_support::TempDir empty;
  setenv("PATH", empty.str().c_str(), 1);
  AboutView view;
  forms::frmAbout(view, {}).cmdSysInfo_Click();
  setenv("PATH", savedPath.c_str(), 1);
  ASSERT_EQ(handler.boxCount(), 1u);
  EXPECT_EQ(handler.prompt(0), "System Information Is Unavailable");
  EXPECT_EQ(handler.dialogs().boxes()[0].style, 48);
  EXPECT_EQ(handler.dialogs().boxes()[0].title, "Scopster v0.916");
}

}  // namespace
