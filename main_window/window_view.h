#pragma once
// The Qt main window as its form logic sees it (forms::ScopsterView): sets
// the widgets' properties and reads them back. The run's part is the
// WindowRunView; placement is the WidgetPlacement's. Texts are UTF-8 here,
// twips converted at the widget edge.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "forms/scopster_view.h"
#include "main_window/window_run_view.h"
#include "widgets/widget_placement.h"

class QLabel;
class QMainWindow;
class QPushButton;

namespace forms {
class frmScopster;
}

namespace main_window {

class RecentFileMenu;

// The controls the form sets besides those of the run; the window owns them.
struct FormControls {
  RunControls run;
  QMainWindow* mainWindow = nullptr;
  QPushButton* cmdAnalyse = nullptr;
  QLabel* lblSource = nullptr;
  RecentFileMenu* recentFiles = nullptr;
};

class WindowView final : public forms::ScopsterView {
 public:
  WindowView(const FormControls& controls, std::function<void()> yield);

  // The form whose stop flag the run reads; none reads "no stop".
  void attach(const forms::frmScopster* form) { form_ = form; }

  // forms::ResultListView, through the WindowRunView.
  void clearList() override { runView_.clearList(); }
  void appendLine(std::string_view line) override { runView_.appendLine(line); }
  std::int32_t listCount() const override { return runView_.listCount(); }
  void setListIndex(std::int32_t index) override { runView_.setListIndex(index); }
  std::int16_t autoScrollValue() const override { return runView_.autoScrollValue(); }
  void setRunTimeCaption(std::string_view caption) override { runView_.setRunTimeCaption(caption); }
  void setProcessingVisible(bool visible) override { runView_.setProcessingVisible(visible); }
  void setSourceFileCaption(std::string_view caption) override { runView_.setSourceFileCaption(caption); }
  void setPublicCaption(std::string_view caption) override { runView_.setPublicCaption(caption); }
  void setSearchFileCaption(std::string_view caption) override { runView_.setSearchFileCaption(caption); }
  void repaint() override { runView_.repaint(); }
  void yield() override { runView_.yield(); }
  bool stopRequested() const override { return runView_.stopRequested(); }

  // utilities::PlaceableWindow, through the WidgetPlacement.
  std::string name() const override { return placement_.name(); }
  float left() const override { return placement_.left(); }
  float top() const override { return placement_.top(); }
  float width() const override { return placement_.width(); }
  float height() const override { return placement_.height(); }
  void move(float left, float top, float width, float height) override { placement_.move(left, top, width, height); }
  float screenWidth() const override { return placement_.screenWidth(); }
  float screenHeight() const override { return placement_.screenHeight(); }

  void setTitle(std::string_view title) override;
  void showWindow() override;
  void closeWindow() override;
  void setAnalyseCaption(std::string_view caption) override;
  std::string sourceText() const override;
  void setSourceText(std::string_view text) override;
  void setAutoScrollValue(std::int16_t value) override;
  // Raises Invalid property value (380) for a line that does not exist.
  std::string listLine(std::int32_t index) const override;
  void showListMoves() override { runView_.showListMoves(); }

  std::string recentEntryCaption(std::int16_t index) const override;
  void setRecentEntryCaption(std::int16_t index, std::string_view caption) override;
  bool recentEntryVisible(std::int16_t index) const override;
  void setRecentEntryVisible(std::int16_t index, bool visible) override;
  void setRecentSeparatorVisible(bool visible) override;

  void placeControl(forms::ScopsterControl control, const forms::TwipsRect& place) override;
  forms::TwipsRect controlPlace(forms::ScopsterControl control) const override;
  float clientWidth() const override;
  float clientHeight() const override;
  float outerWidth() const override;
  float outerHeight() const override;
  bool minimized() const override;
  void setOuterWidth(float twips) override;
  void setOuterHeight(float twips) override;
  float captionWidth(forms::ScopsterControl control, std::string_view caption) const override;

 private:
  QWidget& widgetOf(forms::ScopsterControl control) const;

  FormControls controls_;
  const forms::frmScopster* form_ = nullptr;
  WindowRunView runView_;
  widgets::WidgetPlacement placement_;
  std::array<forms::TwipsRect, 10> places_{};
};

}  // namespace main_window
