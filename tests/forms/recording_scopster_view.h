#pragma once
// The main window as plain values, for testing its form logic without a
// toolkit: it keeps every property the form sets, raises the events a window
// raises in answer (txtSource_Change on a new text, Form_Resize on a new size,
// Form_Unload on closing) and lets a test act at each yield of a run.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "forms/frm_scopster.h"
#include "forms/scopster_view.h"
#include "runtime/vb_error.h"
#include "utilities/placement.h"

namespace forms_test {

// The frame around the client area: borders, title and menu bar.
inline constexpr float kFrameWidth = 120;
inline constexpr float kFrameHeight = 700;

class RecordingScopsterView : public forms::ScopsterView {
 public:
  forms::frmScopster* form = nullptr;
  std::function<void()> onYield;

  std::string title, analyseCaption = "&Analyse", source, runTime, sourceFile, publicName, searchFile;
  std::vector<std::string> lines;
  std::int32_t listIndex = -1;
  std::int16_t autoScroll = 0;
  bool processing = false, shown = false, separator = false;
  int listMovesShown = 0;
  std::array<std::string, forms::kRecentFileCount> recent{};
  std::array<bool, forms::kRecentFileCount> recentShown{};
  std::array<forms::TwipsRect, 10> places{};
  float outerLeft = 4000, outerTop = 3000, clientW = 6000, clientH = 5010;
  bool isMinimized = false;
  // Twips per character of the view's one font.
  float characterTwips = 90;

  void clearList() override {
    lines.clear();
    listIndex = -1;
  }
  void appendLine(std::string_view line) override { lines.emplace_back(line); }
  std::int32_t listCount() const override { return static_cast<std::int32_t>(lines.size()); }
  void setListIndex(std::int32_t index) override {
    if (index < -1 || index >= listCount()) vb::raise(vb::err::InvalidPropertyValue);
    listIndex = index;
  }
  std::int16_t autoScrollValue() const override { return autoScroll; }
  void setRunTimeCaption(std::string_view caption) override { runTime = caption; }
  void setProcessingVisible(bool visible) override { processing = visible; }
  void setSourceFileCaption(std::string_view caption) override { sourceFile = caption; }
  void setPublicCaption(std::string_view caption) override { publicName = caption; }
  void setSearchFileCaption(std::string_view caption) override { searchFile = caption; }
  void repaint() override {}
  void yield() override {
    if (onYield) onYield();
  }
  bool stopRequested() const override { return form->stopRequested(); }

  std::string name() const override { return "frmScopster"; }
  float left() const override { return isMinimized ? utilities::kMinimisedPosition : outerLeft; }
  float top() const override { return isMinimized ? utilities::kMinimisedPosition : outerTop; }
  float width() const override { return clientW; }
  float height() const override { return clientH; }
  void move(float newLeft, float newTop, float newWidth, float newHeight) override {
    outerLeft = newLeft;
    outerTop = newTop;
    clientW = newWidth;
    clientH = newHeight;
  }
  float screenWidth() const override { return 19200; }
  float screenHeight() const override { return 15360; }

  void setTitle(std::string_view text) override { title = text; }
  void showWindow() override { shown = true; }
  void closeWindow() override {
    form->Form_Unload();
    shown = false;
  }
  void setAnalyseCaption(std::string_view caption) override { analyseCaption = caption; }
  std::string sourceText() const override { return source; }
  void setSourceText(std::string_view text) override {
    source = text;
    form->txtSource_Change();
  }
  void setAutoScrollValue(std::int16_t value) override { autoScroll = value; }
  std::string listLine(std::int32_t index) const override { return lines.at(static_cast<std::size_t>(index)); }
  void showListMoves() override { ++listMovesShown; }

  std::string recentEntryCaption(std::int16_t index) const override { return recent.at(slot(index)); }
  void setRecentEntryCaption(std::int16_t index, std::string_view caption) override { recent.at(slot(index)) = caption; }
  bool recentEntryVisible(std::int16_t index) const override { return recentShown.at(slot(index)); }
  void setRecentEntryVisible(std::int16_t index, bool visible) override { recentShown.at(slot(index)) = visible; }
  void setRecentSeparatorVisible(bool visible) override { separator = visible; }

  void placeControl(forms::ScopsterControl control, const forms::TwipsRect& place) override {
    places.at(static_cast<std::size_t>(control)) = place;
  }
  forms::TwipsRect controlPlace(forms::ScopsterControl control) const override {
    return places.at(static_cast<std::size_t>(control));
  }
  float clientWidth() const override { return clientW; }
  float clientHeight() const override { return clientH; }
  float outerWidth() const override { return clientW + kFrameWidth; }
  float outerHeight() const override { return clientH + kFrameHeight; }
  bool minimized() const override { return isMinimized; }
  void setOuterWidth(float twips) override { resizeOuter(twips, outerHeight()); }
  void setOuterHeight(float twips) override { resizeOuter(outerWidth(), twips); }
  float captionWidth(forms::ScopsterControl /*control*/, std::string_view caption) const override {
    return characterTwips * static_cast<float>(caption.size());
  }

  // A user or the form resizing the window: the form hears of it.
  void resizeOuter(float outerW, float outerH) {
    clientW = outerW - kFrameWidth;
    clientH = outerH - kFrameHeight;
    form->Form_Resize();
  }

 private:
  static std::size_t slot(std::int16_t index) { return static_cast<std::size_t>(index - 1); }
};

}  // namespace forms_test
