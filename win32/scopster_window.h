#pragma once
// The main window on Win32: draws what its form (forms::frmScopster) sets and
// forwards each event to the form's procedure. It holds no rule of its own.

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "forms/scopster_view.h"
#include "win32/form_window.h"

namespace forms {
class frmScopster;
}

namespace win32 {

class ScopsterWindow : public FormWindow, public forms::ScopsterView {
 public:
  // Creates the window hidden, at its design size. onGone runs once the
  // window has been destroyed (the program then ends).
  explicit ScopsterWindow(std::function<void()> onGone = {});
  ~ScopsterWindow() override;

  // The form whose procedures the events call; set once, before Form_Load.
  void attach(forms::frmScopster& form) { form_ = &form; }

  std::string_view formName() const override;

  // PlaceableWindow
  std::string name() const override;
  float left() const override;
  float top() const override;
  float width() const override;
  float height() const override;
  void move(float left, float top, float width, float height) override;
  float screenWidth() const override;
  float screenHeight() const override;

  // ResultListView
  void clearList() override;
  void appendLine(std::string_view line) override;
  std::int32_t listCount() const override;
  void setListIndex(std::int32_t index) override;
  std::int16_t autoScrollValue() const override;
  void setRunTimeCaption(std::string_view caption) override;
  void setProcessingVisible(bool visible) override;
  void setSourceFileCaption(std::string_view caption) override;
  void setPublicCaption(std::string_view caption) override;
  void setSearchFileCaption(std::string_view caption) override;
  void repaint() override;
  void yield() override;
  bool stopRequested() const override;

  // ScopsterView
  void setTitle(std::string_view title) override;
  void showWindow() override;
  void closeWindow() override;
  void setAnalyseCaption(std::string_view caption) override;
  std::string sourceText() const override;
  void setSourceText(std::string_view text) override;
  void setAutoScrollValue(std::int16_t value) override;
  std::string listLine(std::int32_t index) const override;
  void showListMoves() override;
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

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void windowDestroyed() override;

 private:
  struct RecentEntry {
    std::wstring caption;
    bool visible = false;
  };

  void createControls();
  void createMenus();
  void rebuildFileMenu();
  HWND controlOf(forms::ScopsterControl control) const;
  const RecentEntry& recentEntry(std::int16_t index) const;
  RecentEntry& recentEntry(std::int16_t index);
  void onCommand(int id, int notification);
  void onMenu(int id);
  void onClose();
  void toggleAutoScroll();
  void widenListFor(const std::wstring& line);
  RECT windowRect() const;
  void setOuterSize(int width, int height);
  static LRESULT CALLBACK sourceBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR window);

  std::function<void()> onGone_;
  forms::frmScopster* form_ = nullptr;
  HMENU menuBar_ = nullptr;
  HMENU fileMenu_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HWND toolTip_ = nullptr;
  std::array<RecentEntry, forms::kRecentFileCount> recentEntries_{};
  bool recentSeparatorVisible_ = false;
  // A list selection waiting for the next paint or yield; kNoMove when none.
  static constexpr std::int32_t kNoMove = -2;
  std::int32_t pendingListIndex_ = kNoMove;
  int listExtent_ = 0;
  bool unloaded_ = false;
  bool closeWhenRunEnds_ = false;
};

}  // namespace win32
