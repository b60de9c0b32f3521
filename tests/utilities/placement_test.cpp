#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/memory_settings_store.h"
#include "tests/support/test_support.h"
#include "tests/utilities/placement_memory_window.h"
#include "utilities/placement.h"

namespace {

using test_support::WindowRect;
using Stored = std::map<std::string, std::string>;  // key suffix -> text

constexpr WindowRect kDesign{1000, 800, 9000, 6000};
constexpr WindowRect kCentred{5100, 2400, 9000, 6000};  // (19200 - 9000) \ 2, (10800 - 6000) \ 2
const Stored kPlacement{{".Left", "1200"}, {".Top", "900"}, {".Width", "8000"}, {".Height", "5000"}};

Stored with(Stored stored, const std::string& suffix, const std::string& value) {
  stored[suffix] = value;
  return stored;
}

struct GetMoveCase {
  const char* what;
  Stored stored;
  WindowRect design;
  WindowRect expected;
  std::string prompt;  // of the one error box, "" for none
  int answer = diagnostics::msgbox::Abort;
};

TEST(PlacementTest, GetMoveRestoresOrCentres) {
  const GetMoveCase cases[] = {
      {"first run", {}, kDesign, kCentred, ""},
      {"stored", kPlacement, kDesign, {1200, 900, 8000, 5000}, ""},
      {"closed maximised", {{".Left", "-60"}, {".Top", "-60"}, {".Width", "19320"}}, kDesign, kCentred, ""},
      {"bounds from 0", with(with(kPlacement, ".Left", "0"), ".Top", "0"), kDesign, {0, 0, 8000, 5000}, ""},
      {"left at screen width - 100", with(kPlacement, ".Left", "19100"), kDesign, kCentred, ""},
      {"left just inside", with(kPlacement, ".Left", "19099"), kDesign, {19099, 900, 8000, 5000}, ""},
      {"top at screen height - 100", with(kPlacement, ".Top", "10700"), kDesign, kCentred, ""},
      {"top refused, left as designed", {{".Left", "1000"}, {".Top", "-60"}}, kDesign, kDesign, ""},
      {"no size stored", {{".Left", "1200"}, {".Top", "900"}}, kDesign, {1200, 900, 9000, 6000}, ""},
      {"fractions to even", {{".Left", "1200.5"}, {".Top", "901.5"}, {".Height", " 5000 "}}, kDesign,
       {1200, 902, 9000, 5000}, ""},
      {"odd gap", {}, {0, 0, 9001, 6001}, {5099, 2399, 9001, 6001}, ""},
      {"half-twip gap rounds first", {}, {0, 0, 9000.5F, 6001.5F}, {5100, 2399, 9000.5F, 6001.5F}, ""},
      {"halving goes toward zero", {}, {0, 0, 20001, 11001}, {-400, -100, 20001, 11001}, ""},
      {"garbled left", {{".Left", "12OO"}}, kDesign, kDesign,
       "Source: modGeneral.gGFormLeftEtcGetMove.1\r\n\r\nType mismatch"},
      {"empty width", with(kPlacement, ".Width", ""), kDesign, kDesign,
       "Source: modGeneral.gGFormLeftEtcGetMove.5\r\n\r\nType mismatch"},
      {"size refused", with(kPlacement, ".Width", "-500"), kDesign, kDesign,
       "Source: modGeneral.gGFormLeftEtcGetMove.7\r\n\r\nInvalid property value"},
      // Ignore leaves the left at 0, which is on the screen.
      {"garbled left ignored", with(kPlacement, ".Left", "x"), kDesign, {0, 900, 8000, 5000},
       "Source: modGeneral.gGFormLeftEtcGetMove.1\r\n\r\nType mismatch", diagnostics::msgbox::Ignore},
  };
  for (const auto& c : cases) {
    test_support::ScriptedErrorHandler handler(c.answer);
    test_support::MemorySettingsStore settings;
    for (const auto& [suffix, value] : c.stored) settings.put("frmScopster" + suffix, value);
    test_support::MemoryWindow window(c.design);
    bool bError = false;
    utilities::gGFormLeftEtcGetMove(window, -1, -1, bError);
    EXPECT_EQ(window.rect(), c.expected) << c.what;
    EXPECT_EQ(bError, !c.prompt.empty() && c.answer == diagnostics::msgbox::Abort) << c.what;
    EXPECT_EQ(settings.writes, 0) << c.what;
    ASSERT_EQ(handler.boxCount(), c.prompt.empty() ? 0U : 1U) << c.what;
    if (!c.prompt.empty()) {
      EXPECT_EQ(handler.prompt(0), c.prompt) << c.what;
    }
  }
}

struct SaveCase {
  WindowRect rect;
  Stored expected;  // the four keys afterwards
};

TEST(PlacementTest, SaveWritesTheKeysUnlessMinimised) {
  const Stored earlier{{".Left", "1"}, {".Top", "2"}, {".Width", "3"}, {".Height", "4"}};
  const SaveCase cases[] = {
      {{1200, 900, 8000, 5000}, kPlacement},
      {{-60, 0, 1234.5F, 12345678},
       {{".Left", "-60"}, {".Top", "0"}, {".Width", "1234.5"}, {".Height", "1.234568E+07"}}},
      {{-480000, -480000, 2400, 400}, earlier},
      {{1200, -480000, 8000, 5000}, with(earlier, ".Left", "1200")},
  };
  for (const auto& c : cases) {
    test_support::ScriptedErrorHandler handler;
    test_support::MemorySettingsStore settings;
    for (const auto& [suffix, value] : earlier) settings.put("frmScopster" + suffix, value);
    test_support::MemoryWindow window(c.rect);
    bool bError = false;
    utilities::gGFormLeftEtcSave(window, bError);
    for (const auto& [suffix, value] : c.expected)
      EXPECT_EQ(settings.value("frmScopster" + suffix), value) << c.rect.left << suffix;
    EXPECT_FALSE(bError);
  }
}

TEST(PlacementTest, SaveWithoutAStoreIsReported) {
  test_support::ScriptedErrorHandler handler;
  platform::installSettingsStore(nullptr);
  test_support::MemoryWindow window(kDesign);
  bool bError = false;
  utilities::gGFormLeftEtcSave(window, bError);
  ASSERT_EQ(handler.boxCount(), 1U);
  EXPECT_EQ(handler.prompt(0).rfind("Source: modGeneral.gGFormLeftEtcSave.2\r\n", 0), 0U);
  EXPECT_TRUE(bError);
}

}  // namespace
