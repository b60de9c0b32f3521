#pragma once
// The main window as its form logic (forms::frmScopster) sees it: plain
// values in, events out. A Qt window and a Win32 window each implement it;
// neither holds a rule of the form. Texts are UTF-8; sizes and places are
// twips.

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/result_list_view.h"
#include "forms/twips_rect.h"
#include "utilities/placement.h"

namespace forms {

// The controls the form places, by their names in the form.
enum class ScopsterControl : std::uint8_t {
  cmdAnalyse,
  lblSource,
  txtSource,
  lstText,
  lblRunTime,
  lblSourceFile,
  lblSearchFile,
  lblPublic,
  lblProcessing,
  chkAutoScroll,
};

// The menu items with a caption the form sets or an entry it shows; the fixed
// items (Open Project, Print, Exit, Help, About) are the view's own.
inline constexpr std::int16_t kRecentFileCount = 4;

class ScopsterView : public ResultListView, public utilities::PlaceableWindow {
 public:
  // The window's title bar.
  virtual void setTitle(std::string_view title) = 0;
  // Shows the window, or closes it (the view then calls Form_Unload once).
  virtual void showWindow() = 0;
  virtual void closeWindow() = 0;

  // cmdAnalyse: "&Analyse" or "&Stop".
  virtual void setAnalyseCaption(std::string_view caption) = 0;
  // txtSource. Setting the text raises txtSource_Change like typing does.
  virtual std::string sourceText() const = 0;
  virtual void setSourceText(std::string_view text) = 0;
  // chkAutoScroll: 1 ticked, 0 clear.
  virtual void setAutoScrollValue(std::int16_t value) = 0;
  // A line of lstText (0-based), for printing.
  virtual std::string listLine(std::int32_t index) const = 0;
  // Makes the list's selection and scroll position follow the moves made
  // since the last time (a view may defer moves until it paints).
  virtual void showListMoves() = 0;

  // The recent-file entries mnuFileLastFile(1..kRecentFileCount) and their
  // separator mnuFileHyphenLastFile.
  virtual std::string recentEntryCaption(std::int16_t index) const = 0;
  virtual void setRecentEntryCaption(std::int16_t index, std::string_view caption) = 0;
  virtual bool recentEntryVisible(std::int16_t index) const = 0;
  virtual void setRecentEntryVisible(std::int16_t index, bool visible) = 0;
  virtual void setRecentSeparatorVisible(bool visible) = 0;

  // Geometry. The client area is the window less its frame, title and menu
  // bar; an outer size includes them.
  virtual void placeControl(ScopsterControl control, const TwipsRect& place) = 0;
  virtual TwipsRect controlPlace(ScopsterControl control) const = 0;
  virtual float clientWidth() const = 0;
  virtual float clientHeight() const = 0;
  virtual float outerWidth() const = 0;
  virtual float outerHeight() const = 0;
  virtual bool minimized() const = 0;
  virtual void setOuterWidth(float twips) = 0;
  virtual void setOuterHeight(float twips) = 0;
  // The width a caption takes in a control's font, borders included.
  virtual float captionWidth(ScopsterControl control, std::string_view caption) const = 0;
};

}  // namespace forms
