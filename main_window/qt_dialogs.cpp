#include "main_window/qt_dialogs.h"

#include "about/frm_multi_line_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include <cstddef>
#include <vector>

#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace main_window {

namespace {

using Button = QMessageBox::StandardButton;

constexpr int kDefaultButtonMask = 0x300;
constexpr int kDefaultButtonUnit = 0x100;
constexpr int kIconMask = 0x70;

// The buttons in the order the box shows them (a default button counts in
// this order) and the one that Escape and the close box give.
struct ButtonSet {
  std::vector<Button> buttons;
  Button escape;
};

ButtonSet buttonSet(int style) {
  namespace mb = diagnostics::msgbox;
  switch (style & mb::ButtonMask) {
    case mb::OkOnly: return {{QMessageBox::Ok}, QMessageBox::Ok};
    case mb::AbortRetryIgnore:
      return {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, QMessageBox::Abort};
    case mb::YesNo: return {{QMessageBox::Yes, QMessageBox::No}, QMessageBox::No};
    default: vb::raise(vb::err::InvalidProcedureCall);
  }
}

QMessageBox::Icon iconOf(int style) {
  switch (style & kIconMask) {
    case 0: return QMessageBox::NoIcon;
    case diagnostics::msgbox::Exclamation: return QMessageBox::Warning;
    default: vb::raise(vb::err::InvalidProcedureCall);
  }
}

// A default button past the last one falls back to the first.
Button defaultOf(int style, const ButtonSet& set) {
  const auto index = static_cast<std::size_t>((style & kDefaultButtonMask) / kDefaultButtonUnit);
  return index < set.buttons.size() ? set.buttons[index] : set.buttons.front();
}

// Qt lists the files matching the last parenthesised group of an entry, so a
// description that already ends with its patterns is taken as it is.
QString filterEntry(const QString& description, QString patterns) {
  const QString group = '(' + patterns.replace(';', ' ') + ')';
  return description.endsWith(group) ? description : description + ' ' + group;
}

}  // namespace

MessageBoxShape messageBoxShape(int style) {
  const ButtonSet set = buttonSet(style);
  QMessageBox::StandardButtons buttons;
  for (const Button button : set.buttons) buttons |= button;
  return {buttons, defaultOf(style, set), set.escape, iconOf(style)};
}

int messageBoxAnswer(QMessageBox::StandardButton clicked) {
  namespace mb = diagnostics::msgbox;
  switch (clicked) {
    case QMessageBox::Ok: return mb::Ok;
    case QMessageBox::Abort: return mb::Abort;
    case QMessageBox::Retry: return mb::Retry;
    case QMessageBox::Ignore: return mb::Ignore;
    case QMessageBox::Yes: return mb::Yes;
    case QMessageBox::No: return mb::No;
    default: vb::raise(vb::err::InvalidProcedureCall);
  }
}

QString messageBoxText(std::string_view prompt) {
  QString text = platform::qStringFromCp1252(prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace('\r', '\n');
  return text;
}

QString qtFileFilter(std::string_view filter) {
  if (filter.empty()) return {};
  const QStringList parts = platform::qStringFromCp1252(filter).split('|');
  if (parts.size() % 2 != 0) vb::raise(vb::err::InvalidProcedureCall);
  QStringList entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) entries << filterEntry(parts[i], parts[i + 1]);
  return entries.join(QStringLiteral(";;"));
}

QWidget* QtDialogs::dialogParent() const {
  return parent_ ? parent_.data() : QApplication::activeWindow();
}

int QtDialogs::messageBox(std::string_view prompt, int style, std::string_view title) {
  const MessageBoxShape shape = messageBoxShape(style);
  QMessageBox box(shape.icon, platform::qStringFromCp1252(title), messageBoxText(prompt),
                  shape.buttons, dialogParent());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(shape.defaultButton);
  box.setEscapeButton(shape.escapeButton);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  return messageBoxAnswer(clicked ? box.standardButton(clicked) : shape.escapeButton);
}

std::string QtDialogs::openFile(const diagnostics::FileOpenRequest& request) {
  QFileDialog dialog(dialogParent(), platform::qStringFromCp1252(request.title),
                     platform::qStringFromCp1252(request.initialFolder),
                     qtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode((request.flags & ofn::FileMustExist) != 0 ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
  if (!request.fileName.empty()) dialog.selectFile(platform::qStringFromCp1252(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return request.fileName;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return request.fileName;
  return platform::cp1252FromQString(QDir::toNativeSeparators(chosen.constFirst()));
}

std::string QtDialogs::multiLineText(std::string_view caption) { return about::showMultiLineText(caption, dialogParent()); }

}  // namespace main_window
