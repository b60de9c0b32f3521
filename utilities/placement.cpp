#include "utilities/placement.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "diagnostics/error_trap.h"
#include "platform/application_info.h"
#include "platform/settings_store.h"
#include "runtime/vb_numbers.h"

namespace utilities {

namespace {
constexpr std::string_view kModule = "modGeneral";
constexpr std::string_view kSection = platform::ApplicationInfo::kTitle;
// A stored left or top this close to the right or bottom edge would leave
// the window all but invisible.
constexpr float kVisibleMargin = 100.0F;

std::string placementKey(const PlaceableWindow& window, std::string_view suffix) {
  return window.name() + std::string(suffix);
}

std::int32_t readPlacement(const PlaceableWindow& window, std::string_view suffix,
                           std::string_view defaultText) {
  return vb::CLng(platform::getSetting(kSection, placementKey(window, suffix), defaultText));
}

void savePlacement(const PlaceableWindow& window, std::string_view suffix, float value) {
  platform::saveSetting(kSection, placementKey(window, suffix), singleText(value));
}

bool onScreen(std::int32_t position, float screenExtent) {
  return position >= 0 && static_cast<float>(position) < screenExtent - kVisibleMargin;
}

// Half the free space, as (screen - window) \ 2 computes it: the difference is
// rounded (ties to even) before the halving drops the fraction.
float centredPosition(float screenExtent, float windowExtent) {
  const float gap = screenExtent - windowExtent;
  const std::int32_t whole = vb::CLng(static_cast<std::int64_t>(vb::roundHalfEven(gap)));
  return static_cast<float>(whole / 2);
}
}  // namespace

std::string singleText(float value) {
  if (value == 0.0F) return "0";  // no "-0"
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.7G", static_cast<double>(value));
  return text.data();
}

void gGFormLeftEtcGetMove(PlaceableWindow& window, std::int32_t defaultLeft, std::int32_t defaultTop,
                          bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gGFormLeftEtcGetMove", bError};
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool leftFits = false;
  bool topFits = false;

  if (!trap.step(1, [&] { left = readPlacement(window, ".Left", std::to_string(defaultLeft)); })) return;
  if (!trap.step(2, [&] { leftFits = onScreen(left, window.screenWidth()); })) return;
  if (leftFits) {
    if (!trap.step(3, [&] { top = readPlacement(window, ".Top", std::to_string(defaultTop)); })) return;
    if (!trap.step(4, [&] { topFits = onScreen(top, window.screenHeight()); })) return;
    if (topFits) {
      if (!trap.step(5, [&] { width = readPlacement(window, ".Width", singleText(window.width())); })) return;
      if (!trap.step(6, [&] { height = readPlacement(window, ".Height", singleText(window.height())); }))
        return;
      if (!trap.step(7, [&] {
            window.move(static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
                        static_cast<float>(height));
          }))
        return;
    }
  }
  trap.step(8, [&] {
    if (static_cast<double>(window.left()) == static_cast<double>(left)) return;
    window.move(centredPosition(window.screenWidth(), window.width()),
                centredPosition(window.screenHeight(), window.height()), window.width(), window.height());
  });
}

void gGFormLeftEtcSave(PlaceableWindow& window, bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gGFormLeftEtcSave", bError};
  bool minimised = false;

  if (!trap.step(1, [&] { minimised = window.left() == kMinimisedPosition; })) return;
  if (minimised) return;
  if (!trap.step(2, [&] { savePlacement(window, ".Left", window.left()); })) return;
  if (!trap.step(3, [&] { minimised = window.top() == kMinimisedPosition; })) return;
  if (minimised) return;
  if (!trap.step(4, [&] { savePlacement(window, ".Top", window.top()); })) return;
  if (!trap.step(5, [&] { savePlacement(window, ".Width", window.width()); })) return;
  trap.step(6, [&] { savePlacement(window, ".Height", window.height()); });
}

}  // namespace utilities
