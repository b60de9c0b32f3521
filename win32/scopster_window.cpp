#include "win32/scopster_window.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "forms/frm_scopster.h"
#include "platform/application_info.h"
#include "runtime/vb_error.h"
#include "win32/message_pump.h"
#include "win32/scopster_ids.h"
#include "win32/dialog_parts.h"
#include "win32/wide_text.h"

namespace win32 {

namespace {

namespace ids = scopster_ids;
using forms::ScopsterControl;

// The client area the controls were placed in, before the first layout.
constexpr float kDesignClientWidth = 6000;
constexpr float kDesignClientHeight = 5010;
constexpr UINT_PTR kSourceBoxSubclass = 1;

struct ControlSpec {
  ScopsterControl control;
  int id;
  const wchar_t* windowClass;
  DWORD style;
  const wchar_t* text;
  DWORD extendedStyle;
};

// In tab order; labels take no focus. Run texts are paths and code lines,
// never access keys, and a long one keeps both ends in view.
constexpr DWORD kRunLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS;
const ControlSpec kControls[] = {
    {ScopsterControl::cmdAnalyse, ids::cmdAnalyse, WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"&Analyse", 0},
    {ScopsterControl::lblSource, ids::lblSource, WC_STATICW, WS_VISIBLE | SS_LEFTNOWORDWRAP, L"S&ource:", 0},
    {ScopsterControl::txtSource, ids::txtSource, WC_EDITW, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, L"",
     WS_EX_CLIENTEDGE},
    {ScopsterControl::lstText, ids::lstText, WC_LISTBOXW,
     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, L"", WS_EX_CLIENTEDGE},
    {ScopsterControl::lblRunTime, ids::lblRunTime, WC_STATICW, WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, L"", 0},
    {ScopsterControl::lblSourceFile, ids::lblSourceFile, WC_STATICW, kRunLabel, L"", 0},
    {ScopsterControl::lblSearchFile, ids::lblSearchFile, WC_STATICW, kRunLabel, L"", 0},
    {ScopsterControl::lblPublic, ids::lblPublic, WC_STATICW, kRunLabel, L"", 0},
    {ScopsterControl::lblProcessing, ids::lblProcessing, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, L"Processing:", 0},
    {ScopsterControl::chkAutoScroll, ids::chkAutoScroll, WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_3STATE,
     L"A&utoScroll", 0},
};

int idOf(ScopsterControl control) {
  for (const ControlSpec& spec : kControls)
    if (spec.control == control) return spec.id;
  vb::raise(vb::err::InvalidProcedureCall);
}

void checkedSetText(HWND control, const std::wstring& text) {
  if (!::SetWindowTextW(control, text.c_str())) vb::raise(vb::err::OutOfMemory);
}

}  // namespace

ScopsterWindow::ScopsterWindow(std::function<void()> onGone) : onGone_(std::move(onGone)) {
  createMenus();
  createWindow({L"ScopsterMain", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr, menuBar_, kDesignClientWidth,
                kDesignClientHeight});
  createControls();
  const ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'J', ids::mnuFileOpenProject},
      {FVIRTKEY | FCONTROL, 'P', ids::mnuFilePrint},
      {FVIRTKEY | FCONTROL, 'X', ids::mnuFileExit},
      // The Help item's caption promises F1.
      {FVIRTKEY, VK_F1, ids::mnuHelpHelp},
  };
  accelerators_ = ::CreateAcceleratorTableW(const_cast<ACCEL*>(keys), static_cast<int>(std::size(keys)));
  if (accelerators_ == nullptr) vb::raise(vb::err::OutOfMemory);
  setAcceleratorTarget(handle(), accelerators_);
}

ScopsterWindow::~ScopsterWindow() {
  if (handle() != nullptr) setAcceleratorTarget(nullptr, nullptr);
  if (accelerators_ != nullptr) ::DestroyAcceleratorTable(accelerators_);
}

std::string_view ScopsterWindow::formName() const { return forms::kFormName; }

void ScopsterWindow::createControls() {
  for (const ControlSpec& spec : kControls)
    addControl(spec.id, spec.windowClass, spec.style, spec.text, spec.extendedStyle);
  HWND box = control(ids::txtSource);
  if (!::SetWindowSubclass(box, &ScopsterWindow::sourceBoxProcedure, kSourceBoxSubclass,
                           reinterpret_cast<DWORD_PTR>(this)))
    vb::raise(vb::err::OutOfMemory);
  toolTip_ = newToolTip(handle());
  addToolTip(toolTip_, handle(), box, L"Double click to browse");
  // As Tab moves it, so that Enter presses the button.
  ::SendMessageW(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(ids::cmdAnalyse)), TRUE);
}

void ScopsterWindow::createMenus() {
  menuBar_ = ::CreateMenu();
  fileMenu_ = ::CreatePopupMenu();
  HMENU helpMenu = ::CreatePopupMenu();
  if (menuBar_ == nullptr || fileMenu_ == nullptr || helpMenu == nullptr) vb::raise(vb::err::OutOfMemory);
  rebuildFileMenu();
  const std::wstring about = L"&About " + wideFromCp1252(platform::ApplicationInfo::kProductName);
  if (!::AppendMenuW(helpMenu, MF_STRING, ids::mnuHelpHelp, L"&Help     F1") ||
      !::AppendMenuW(helpMenu, MF_STRING, ids::mnuHelpAbout, about.c_str()) ||
      !::AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(fileMenu_), L"&File") ||
      !::AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(helpMenu), L"&Help"))
    vb::raise(vb::err::OutOfMemory);
}

// A Win32 menu has no hidden items: the File menu is made again from the
// entries and their visibility whenever either changes.
void ScopsterWindow::rebuildFileMenu() {
  while (::GetMenuItemCount(fileMenu_) > 0)
    if (!::DeleteMenu(fileMenu_, 0, MF_BYPOSITION)) vb::raise(vb::err::OutOfMemory);
  bool made = ::AppendMenuW(fileMenu_, MF_STRING, ids::mnuFileOpenProject, L"Open Pro&ject\tCtrl+J") &&
              ::AppendMenuW(fileMenu_, MF_SEPARATOR, 0, nullptr) &&
              ::AppendMenuW(fileMenu_, MF_STRING, ids::mnuFilePrint, L"&Print\tCtrl+P");
  if (made && recentSeparatorVisible_) made = ::AppendMenuW(fileMenu_, MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; made && i < recentEntries_.size(); ++i)
    if (recentEntries_[i].visible)
      made = ::AppendMenuW(fileMenu_, MF_STRING, ids::mnuFileLastFile0 + 1 + i, recentEntries_[i].caption.c_str());
  made = made && ::AppendMenuW(fileMenu_, MF_SEPARATOR, 0, nullptr) &&
         ::AppendMenuW(fileMenu_, MF_STRING, ids::mnuFileExit, L"E&xit\tCtrl+X");
  if (!made) vb::raise(vb::err::OutOfMemory);
  if (handle() != nullptr) ::DrawMenuBar(handle());
}

HWND ScopsterWindow::controlOf(ScopsterControl which) const {
  HWND found = control(idOf(which));
  if (found == nullptr) vb::raise(vb::err::ObjectNotSet);
  return found;
}

// --- Events, forwarded ---

LRESULT ScopsterWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0)
        onCommand(LOWORD(wParam), HIWORD(wParam));
      else
        onMenu(LOWORD(wParam));
      return 0;
    case WM_SIZE:
      if (form_ != nullptr) form_->Form_Resize();
      return 0;
    case WM_CLOSE:
      onClose();
      return 0;
    case WM_GETMINMAXINFO:
      // The window manager keeps a drag above the form's minimum; the form's
      // own resize rule cannot undo a size the manager holds.
      if (form_ != nullptr) {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        limits.ptMinTrackSize = {pixelsCoveringOf(form_->minimumOuterWidth(), handle()),
                                 pixelsCoveringOf(forms::kMinimumOuterHeight, handle())};
      }
      return 0;
    default:
      return FormWindow::handleMessage(message, wParam, lParam);
  }
}

void ScopsterWindow::onCommand(int id, int notification) {
  if (form_ == nullptr) return;
  if (id == ids::cmdAnalyse && notification == BN_CLICKED) {
    form_->cmdAnalyse_Click();
    // A close that came while the run was yielding waited for it.
    if (closeWhenRunEnds_ && !form_->running() && handle() != nullptr) ::DestroyWindow(handle());
  } else if (id == ids::chkAutoScroll && notification == BN_CLICKED) {
    toggleAutoScroll();
    form_->chkAutoScroll_Click();
  } else if (id == ids::txtSource && notification == EN_CHANGE) {
    form_->txtSource_Change();
  }
}

void ScopsterWindow::onMenu(int id) {
  if (form_ == nullptr) return;
  switch (id) {
    case ids::mnuFileOpenProject: form_->mnuFileOpenProject_Click(); return;
    case ids::mnuFilePrint: form_->mnuFilePrint_Click(); return;
    case ids::mnuFileExit: form_->mnuFileExit_Click(); return;
    case ids::mnuHelpHelp: form_->mnuHelpHelp_Click(); return;
    case ids::mnuHelpAbout: form_->mnuHelpAbout_Click(); return;
    default: break;
  }
  const int entry = id - ids::mnuFileLastFile0;
  if (entry >= 1 && entry <= forms::kRecentFileCount) form_->mnuFileLastFile_Click(static_cast<std::int16_t>(entry));
}

// A close may arrive while a run is yielding inside cmdAnalyse_Click; the
// window then only hides, and goes once the run has returned.
void ScopsterWindow::onClose() {
  if (form_ != nullptr && !unloaded_) {
    unloaded_ = true;
    form_->Form_Unload();
  }
  if (form_ != nullptr && form_->running()) {
    ::ShowWindow(handle(), SW_HIDE);
    closeWhenRunEnds_ = true;
    return;
  }
  ::DestroyWindow(handle());
}

// A click ticks a clear or greyed box and clears a ticked one; only the
// program greys it.
void ScopsterWindow::toggleAutoScroll() {
  HWND box = control(ids::chkAutoScroll);
  const bool ticked = ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  ::SendMessageW(box, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
}

void ScopsterWindow::windowDestroyed() {
  setAcceleratorTarget(nullptr, nullptr);
  if (onGone_) onGone_();
}

LRESULT CALLBACK ScopsterWindow::sourceBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                                    UINT_PTR id, DWORD_PTR window) {
  auto* self = reinterpret_cast<ScopsterWindow*>(window);
  if (message == WM_LBUTTONDBLCLK && self->form_ != nullptr) {
    self->form_->txtSource_DblClick();
    return 0;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(box, &ScopsterWindow::sourceBoxProcedure, id);
  return ::DefSubclassProc(box, message, wParam, lParam);
}

// --- PlaceableWindow ---

std::string ScopsterWindow::name() const { return std::string(forms::kFormName); }

RECT ScopsterWindow::windowRect() const {
  RECT rect{};
  if (!::GetWindowRect(handle(), &rect)) vb::raise(vb::err::ObjectNotSet);
  return rect;
}

float ScopsterWindow::left() const { return twipsOf(windowRect().left, handle()); }
float ScopsterWindow::top() const { return twipsOf(windowRect().top, handle()); }
float ScopsterWindow::width() const { return outerWidth(); }
float ScopsterWindow::height() const { return outerHeight(); }

void ScopsterWindow::move(float left, float top, float width, float height) {
  if (width < 0 || height < 0) vb::raise(vb::err::InvalidPropertyValue);
  HWND window = handle();
  if (!::SetWindowPos(window, nullptr, pixelsOf(left, window), pixelsOf(top, window), pixelsOf(width, window),
                      pixelsOf(height, window), SWP_NOZORDER | SWP_NOACTIVATE))
    vb::raise(vb::err::InvalidPropertyValue);
}

float ScopsterWindow::screenWidth() const { return twipsOf(::GetSystemMetrics(SM_CXSCREEN), handle()); }
float ScopsterWindow::screenHeight() const { return twipsOf(::GetSystemMetrics(SM_CYSCREEN), handle()); }

// --- ResultListView ---

void ScopsterWindow::clearList() {
  HWND list = control(ids::lstText);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  listExtent_ = 0;
  ::SendMessageW(list, LB_SETHORIZONTALEXTENT, 0, 0);
  pendingListIndex_ = kNoMove;
}

void ScopsterWindow::appendLine(std::string_view line) {
  const std::wstring text = wideFromUtf8(line);
  const LRESULT added = ::SendMessageW(control(ids::lstText), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (added == LB_ERR || added == LB_ERRSPACE) vb::raise(vb::err::OutOfMemory);
  widenListFor(text);
}

// The list scrolls sideways as far as its widest line.
void ScopsterWindow::widenListFor(const std::wstring& line) {
  HWND list = control(ids::lstText);
  const int width = textWidth(list, line) + 2 * ::GetSystemMetricsForDpi(SM_CXEDGE, windowDpi(handle()));
  if (width <= listExtent_) return;
  listExtent_ = width;
  ::SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
}

std::int32_t ScopsterWindow::listCount() const {
  const LRESULT count = ::SendMessageW(control(ids::lstText), LB_GETCOUNT, 0, 0);
  if (count == LB_ERR) vb::raise(vb::err::ObjectNotSet);
  return static_cast<std::int32_t>(count);
}

void ScopsterWindow::setListIndex(std::int32_t index) {
  if (index < -1 || index >= listCount()) vb::raise(vb::err::InvalidPropertyValue);
  pendingListIndex_ = index;
}

std::int16_t ScopsterWindow::autoScrollValue() const {
  switch (::SendMessageW(control(ids::chkAutoScroll), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED: return 1;
    case BST_INDETERMINATE: return 2;
    default: return 0;
  }
}

void ScopsterWindow::setRunTimeCaption(std::string_view caption) {
  checkedSetText(controlOf(ScopsterControl::lblRunTime), wideFromUtf8(caption));
}

void ScopsterWindow::setProcessingVisible(bool visible) {
  ::ShowWindow(controlOf(ScopsterControl::lblProcessing), visible ? SW_SHOWNA : SW_HIDE);
}

void ScopsterWindow::setSourceFileCaption(std::string_view caption) {
  checkedSetText(controlOf(ScopsterControl::lblSourceFile), wideFromUtf8(caption));
}

void ScopsterWindow::setPublicCaption(std::string_view caption) {
  checkedSetText(controlOf(ScopsterControl::lblPublic), wideFromUtf8(caption));
}

void ScopsterWindow::setSearchFileCaption(std::string_view caption) {
  checkedSetText(controlOf(ScopsterControl::lblSearchFile), wideFromUtf8(caption));
}

void ScopsterWindow::repaint() {
  showListMoves();
  ::RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ScopsterWindow::yield() {
  showListMoves();
  processPendingMessages();
}

bool ScopsterWindow::stopRequested() const { return form_ != nullptr && form_->stopRequested(); }

// --- ScopsterView ---

void ScopsterWindow::setTitle(std::string_view title) { checkedSetText(handle(), wideFromUtf8(title)); }

void ScopsterWindow::showWindow() {
  ::ShowWindow(handle(), SW_SHOW);
  ::UpdateWindow(handle());
}

void ScopsterWindow::closeWindow() { ::SendMessageW(handle(), WM_CLOSE, 0, 0); }

void ScopsterWindow::setAnalyseCaption(std::string_view caption) {
  checkedSetText(controlOf(ScopsterControl::cmdAnalyse), wideFromUtf8(caption));
}

std::string ScopsterWindow::sourceText() const { return utf8FromWide(windowText(controlOf(ScopsterControl::txtSource))); }

void ScopsterWindow::setSourceText(std::string_view text) {
  checkedSetText(controlOf(ScopsterControl::txtSource), wideFromUtf8(text));
}

void ScopsterWindow::setAutoScrollValue(std::int16_t value) {
  if (value < 0 || value > 2) vb::raise(vb::err::InvalidPropertyValue);
  const WPARAM states[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
  ::SendMessageW(controlOf(ScopsterControl::chkAutoScroll), BM_SETCHECK, states[value], 0);
}

std::string ScopsterWindow::listLine(std::int32_t index) const {
  HWND list = control(ids::lstText);
  const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (index < 0 || length == LB_ERR) vb::raise(vb::err::InvalidPropertyValue);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  if (copied == LB_ERR) vb::raise(vb::err::InvalidPropertyValue);
  text.resize(static_cast<std::size_t>(copied));
  return utf8FromWide(text);
}

void ScopsterWindow::showListMoves() {
  if (pendingListIndex_ == kNoMove) return;
  ::SendMessageW(control(ids::lstText), LB_SETCURSEL, static_cast<WPARAM>(pendingListIndex_), 0);
  pendingListIndex_ = kNoMove;
}

const ScopsterWindow::RecentEntry& ScopsterWindow::recentEntry(std::int16_t index) const {
  if (index < 1 || index > forms::kRecentFileCount) vb::raise(vb::err::SubscriptOutOfRange);
  return recentEntries_[static_cast<std::size_t>(index - 1)];
}

ScopsterWindow::RecentEntry& ScopsterWindow::recentEntry(std::int16_t index) {
  return const_cast<RecentEntry&>(std::as_const(*this).recentEntry(index));
}

std::string ScopsterWindow::recentEntryCaption(std::int16_t index) const {
  return utf8FromWide(recentEntry(index).caption);
}

void ScopsterWindow::setRecentEntryCaption(std::int16_t index, std::string_view caption) {
  recentEntry(index).caption = wideFromUtf8(caption);
  rebuildFileMenu();
}

bool ScopsterWindow::recentEntryVisible(std::int16_t index) const { return recentEntry(index).visible; }

void ScopsterWindow::setRecentEntryVisible(std::int16_t index, bool visible) {
  recentEntry(index).visible = visible;
  rebuildFileMenu();
}

void ScopsterWindow::setRecentSeparatorVisible(bool visible) {
  recentSeparatorVisible_ = visible;
  rebuildFileMenu();
}

// A fixed caption wider in this font than in the design's grows its control;
// the run's texts keep their places and shorten with an ellipsis instead.
void ScopsterWindow::placeControl(ScopsterControl which, const forms::TwipsRect& place) {
  HWND target = controlOf(which);
  forms::TwipsRect shown = place;
  if (which == ScopsterControl::cmdAnalyse || which == ScopsterControl::lblSource ||
      which == ScopsterControl::chkAutoScroll || which == ScopsterControl::lblProcessing)
    shown.width = std::max(shown.width, twipsOf(captionRoom(target, 0).cx, handle()));
  placeChild(target, shown);
}

forms::TwipsRect ScopsterWindow::controlPlace(ScopsterControl which) const {
  RECT rect{};
  if (!::GetWindowRect(controlOf(which), &rect)) vb::raise(vb::err::ObjectNotSet);
  ::MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&rect), 2);
  HWND window = handle();
  return {twipsOf(rect.left, window), twipsOf(rect.top, window), twipsOf(rect.right - rect.left, window),
          twipsOf(rect.bottom - rect.top, window)};
}

float ScopsterWindow::clientWidth() const {
  RECT client{};
  if (!::GetClientRect(handle(), &client)) vb::raise(vb::err::ObjectNotSet);
  return twipsOf(client.right, handle());
}

float ScopsterWindow::clientHeight() const {
  RECT client{};
  if (!::GetClientRect(handle(), &client)) vb::raise(vb::err::ObjectNotSet);
  return twipsOf(client.bottom, handle());
}

float ScopsterWindow::outerWidth() const {
  const RECT outer = windowRect();
  return twipsOf(outer.right - outer.left, handle());
}

float ScopsterWindow::outerHeight() const {
  const RECT outer = windowRect();
  return twipsOf(outer.bottom - outer.top, handle());
}

bool ScopsterWindow::minimized() const { return ::IsIconic(handle()) != 0; }

void ScopsterWindow::setOuterSize(int width, int height) {
  if (!::SetWindowPos(handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
    vb::raise(vb::err::InvalidPropertyValue);
}

// The new size raises the next resize, which goes on from there.
void ScopsterWindow::setOuterWidth(float twips) {
  const RECT outer = windowRect();
  setOuterSize(pixelsCoveringOf(twips, handle()), outer.bottom - outer.top);
}

void ScopsterWindow::setOuterHeight(float twips) {
  const RECT outer = windowRect();
  setOuterSize(outer.right - outer.left, pixelsCoveringOf(twips, handle()));
}

// The caption's width in the control's font, with the room the control's own
// drawing takes.
float ScopsterWindow::captionWidth(ScopsterControl which, std::string_view caption) const {
  return twipsOf(captionRoom(controlOf(which), wideFromUtf8(caption)).cx, handle());
}

}  // namespace win32
