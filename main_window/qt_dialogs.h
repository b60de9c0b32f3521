#pragma once
// The Dialogs the running program uses: Qt message boxes and the Qt file-open
// dialog, both modal. Texts arrive and leave as Windows-1252 bytes.

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics/dialogs.h"

namespace main_window {

// The one Windows file-dialog option bit that changes what our dialog does.
// The Qt dialog has no read-only box (OFN_HIDEREADONLY) and never changes the
// current directory (OFN_NOCHANGEDIR), whatever the flags say.
namespace ofn {
inline constexpr int FileMustExist = 0x1000;
}  // namespace ofn

// One button of a message box: its caption and the VB answer it gives.
struct MessageBoxButton {
  const char* caption;
  int answer;
};

// What a message box style asks for. The buttons are in the order the box
// shows them, left to right, whatever the desktop's usual order is.
struct MessageBoxShape {
  std::vector<MessageBoxButton> buttons;
  std::size_t defaultButton;
  // What Escape and the close box give, so that every way out is an answer
  // of the style's own set.
  std::size_t escapeButton;
  QMessageBox::Icon icon;
};

// Button sets OK, Abort/Retry/Ignore and Yes/No, the exclamation icon; other
// button sets and icons raise Invalid procedure call (5). A default button
// that the set does not have falls back to the first.
MessageBoxShape messageBoxShape(int style);
// CR LF (or a lone CR) ends a line.
QString messageBoxText(std::string_view prompt);
// "Description|pattern|..." to Qt's "Description (pattern);;...", with the
// patterns of one type (";"-separated) blank-separated; a description that
// already ends with "(pattern)" stays as it is. Raises Invalid procedure
// call (5) for a description without a pattern.
QString qtFileFilter(std::string_view filter);

class QtDialogs : public diagnostics::Dialogs {
 public:
  // parent: the window the dialogs belong to; without one, the active window.
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  int messageBox(std::string_view prompt, int style, std::string_view title) override;
  std::string openFile(const diagnostics::FileOpenRequest& request) override;
  // The dialog frmMultiLineText, fresh for every call.
  std::string multiLineText(std::string_view caption) override;

 private:
  QWidget* dialogParent() const;

  QPointer<QWidget> parent_;
};

}  // namespace main_window
