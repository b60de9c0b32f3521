// The window as the analysis run sees it.

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "main_window/frm_scopster.h"
#include "widgets/vb_check_box.h"
#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace main_window {

std::string frmScopster::sourceText() const { return platform::cp1252FromQString(txtSource->text()); }

void frmScopster::setSourceText(std::string_view text) { txtSource->setText(platform::qStringFromCp1252(text)); }

void frmScopster::clearList() { lstText->clear(); }

void frmScopster::appendLine(std::string_view line) { lstText->addItem(platform::qStringFromCp1252(line)); }

std::int32_t frmScopster::listCount() const { return lstText->count(); }

std::string frmScopster::listLine(std::int32_t index) const {
  return platform::cp1252FromQString(lstText->item(index)->text());
}

// -1 selects nothing; a line that does not exist is refused, as the list box
// refuses it.
void frmScopster::setListIndex(std::int32_t index) {
  if (index < -1 || index >= listCount()) vb::raise(vb::err::InvalidPropertyValue);
  if (index == -1) lstText->clearSelection();
  lstText->setCurrentRow(index);
}

std::int16_t frmScopster::autoScrollValue() const { return chkAutoScroll->value(); }

void frmScopster::setCaption(ProgressLabel& label, std::string_view caption) {
  if (label.caption == caption) return;
  label.caption = caption;
  label.label->setText(platform::qStringFromCp1252(caption));
}

void frmScopster::setRunTimeCaption(std::string_view caption) { setCaption(lblRunTime, caption); }

std::string frmScopster::runTimeCaption() const { return lblRunTime.caption; }

void frmScopster::setProcessingVisible(bool visible) { lblProcessing->setHidden(!visible); }

void frmScopster::setSourceFileCaption(std::string_view caption) { setCaption(lblSourceFile, caption); }

void frmScopster::setPublicCaption(std::string_view caption) { setCaption(lblPublic, caption); }

void frmScopster::setSearchFileCaption(std::string_view caption) { setCaption(lblSearchFile, caption); }

void frmScopster::repaint() { QMainWindow::repaint(); }

void frmScopster::yield() { QCoreApplication::processEvents(); }

bool frmScopster::stopRequested() const { return mbStop; }

}  // namespace main_window
