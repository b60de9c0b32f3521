#include "main_window/window_view.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <utility>

#include "forms/frm_scopster.h"
#include "main_window/recent_file_menu.h"
#include "main_window/result_list.h"
#include "runtime/vb_error.h"
#include "widgets/caption_fit.h"
#include "widgets/twips_widget.h"
#include "widgets/vb_check_box.h"

namespace main_window {

namespace {

using forms::ScopsterControl;


QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t slotOf(ScopsterControl control) { return static_cast<std::size_t>(control); }

}  // namespace

WindowView::WindowView(const FormControls& controls, std::function<void()> yield)
    : controls_(controls),
      runView_(controls.run, [this] { return form_ != nullptr && form_->stopRequested(); }, std::move(yield)),
      placement_(*controls.mainWindow) {}

void WindowView::setTitle(std::string_view title) { controls_.mainWindow->setWindowTitle(fromUtf8(title)); }

void WindowView::showWindow() { controls_.mainWindow->show(); }

void WindowView::closeWindow() { controls_.mainWindow->close(); }

void WindowView::setAnalyseCaption(std::string_view caption) { controls_.cmdAnalyse->setText(fromUtf8(caption)); }

std::string WindowView::sourceText() const { return controls_.run.txtSource->text().toStdString(); }

void WindowView::setSourceText(std::string_view text) { controls_.run.txtSource->setText(fromUtf8(text)); }

void WindowView::setAutoScrollValue(std::int16_t value) { controls_.run.chkAutoScroll->setValue(value); }

std::string WindowView::listLine(std::int32_t index) const {
  const QListWidgetItem* item = controls_.run.lstText->item(index);
  if (item == nullptr) vb::raise(vb::err::InvalidPropertyValue);
  return item->text().toStdString();
}

std::string WindowView::recentEntryCaption(std::int16_t index) const { return controls_.recentFiles->caption(index); }

void WindowView::setRecentEntryCaption(std::int16_t index, std::string_view caption) {
  controls_.recentFiles->setCaption(index, caption);
}

bool WindowView::recentEntryVisible(std::int16_t index) const { return controls_.recentFiles->visible(index); }

void WindowView::setRecentEntryVisible(std::int16_t index, bool visible) {
  controls_.recentFiles->setVisible(index, visible);
}

void WindowView::setRecentSeparatorVisible(bool visible) { controls_.recentFiles->setSeparatorVisible(visible); }

QWidget& WindowView::widgetOf(ScopsterControl control) const {
  const RunControls& run = controls_.run;
  switch (control) {
    case ScopsterControl::cmdAnalyse: return *controls_.cmdAnalyse;
    case ScopsterControl::lblSource: return *controls_.lblSource;
    case ScopsterControl::txtSource: return *run.txtSource;
    case ScopsterControl::lstText: return *run.lstText;
    case ScopsterControl::lblRunTime: return *run.lblRunTime;
    case ScopsterControl::lblSourceFile: return *run.lblSourceFile;
    case ScopsterControl::lblSearchFile: return *run.lblSearchFile;
    case ScopsterControl::lblPublic: return *run.lblPublic;
    case ScopsterControl::lblProcessing: return *run.lblProcessing;
    case ScopsterControl::chkAutoScroll: return *run.chkAutoScroll;
  }
  vb::raise(vb::err::InvalidProcedureCall);
}

void WindowView::placeControl(ScopsterControl control, const forms::TwipsRect& place) {
  widgets::setTwipsGeometry(widgetOf(control), place);
  places_.at(slotOf(control)) = place;
}

forms::TwipsRect WindowView::controlPlace(ScopsterControl control) const { return places_.at(slotOf(control)); }

float WindowView::clientWidth() const {
  const QWidget& client = *controls_.mainWindow->centralWidget();
  return widgets::twipsX(client.width(), client);
}

float WindowView::clientHeight() const {
  const QWidget& client = *controls_.mainWindow->centralWidget();
  return widgets::twipsY(client.height(), client);
}

float WindowView::outerWidth() const {
  const QWidget& window = *controls_.mainWindow;
  return widgets::twipsX(window.frameGeometry().width(), window);
}

float WindowView::outerHeight() const {
  const QWidget& window = *controls_.mainWindow;
  return widgets::twipsY(window.frameGeometry().height(), window);
}

bool WindowView::minimized() const { return controls_.mainWindow->isMinimized(); }

// Outer sizes include the frame; the widget's own size does not. The new size
// raises the next resize event, which goes on from there.
void WindowView::setOuterWidth(float twips) {
  QWidget& window = *controls_.mainWindow;
  const int decorations = window.frameGeometry().width() - window.width();
  window.resize(widgets::pixelsCoveringX(twips, window) - decorations, window.height());
}

void WindowView::setOuterHeight(float twips) {
  QWidget& window = *controls_.mainWindow;
  const int decorations = window.frameGeometry().height() - window.height();
  window.resize(window.width(), widgets::pixelsCoveringY(twips, window) - decorations);
}

// A label's text needs its margins and frame besides its advance, and a pixel
// to spare for rounding.
float WindowView::captionWidth(ScopsterControl control, std::string_view caption) const {
  const QWidget& widget = widgetOf(control);
  // A button's own caption, with its box or frame as the style draws them.
  if (qobject_cast<const QAbstractButton*>(&widget) != nullptr)
    return widgets::twipsX(widgets::captionNeed(widget, 0).width(), *controls_.mainWindow);
  const auto* frame = qobject_cast<const QFrame*>(&widget);
  const QMargins margins = widget.contentsMargins();
  const int pixels = widget.fontMetrics().horizontalAdvance(fromUtf8(caption)) + margins.left() + margins.right() +
                     (frame != nullptr ? 2 * frame->frameWidth() : 0);
  return widgets::twipsX(pixels + 1, *controls_.mainWindow);
}

}  // namespace main_window
