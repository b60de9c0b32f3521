#include "main_window/qt_dialogs.h"

#include "about/frm_multi_line_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace main_window {

namespace {

constexpr int kDefaultButtonMask = 0x300;
constexpr int kDefaultButtonUnit = 0x100;
constexpr int kIconMask = 0x70;

// The buttons left to right, and the one that Escape and the close box give.
struct ButtonSet {
  std::vector<MessageBoxButton> buttons;
  std::size_t escape;
};

ButtonSet buttonSet(int style) {
  namespace mb = diagnostics::msgbox;
  switch (style & mb::ButtonMask) {
    case mb::OkOnly: return {{{"OK", mb::Ok}}, 0};
    case mb::AbortRetryIgnore: return {{{"&Abort", mb::Abort}, {"&Retry", mb::Retry}, {"&Ignore", mb::Ignore}}, 0};
    case mb::YesNo: return {{{"&Yes", mb::Yes}, {"&No", mb::No}}, 1};
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

// Qt lists the files matching the last parenthesised group of an entry, so a
// description that already ends with its patterns is taken as it is.
QString filterEntry(const QString& description, QString patterns) {
  const QString group = '(' + patterns.replace(';', ' ') + ')';
  return description.endsWith(group) ? description : description + ' ' + group;
}

}  // namespace

MessageBoxShape messageBoxShape(int style) {
  ButtonSet set = buttonSet(style);
  const auto requested = static_cast<std::size_t>((style & kDefaultButtonMask) / kDefaultButtonUnit);
  const std::size_t defaultButton = requested < set.buttons.size() ? requested : 0;
  return {std::move(set.buttons), defaultButton, set.escape, iconOf(style)};
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

// The buttons are our own, all of one role: the button box keeps the order
// of one role as added, where it would sort standard buttons into the
// desktop's order (Retry | Ignore | Abort on some).
int QtDialogs::messageBox(std::string_view prompt, int style, std::string_view title) {
  const MessageBoxShape shape = messageBoxShape(style);
  QMessageBox box(shape.icon, platform::qStringFromCp1252(title), messageBoxText(prompt), QMessageBox::NoButton,
                  dialogParent());
  box.setTextFormat(Qt::PlainText);
  std::vector<QPushButton*> buttons;
  for (const MessageBoxButton& button : shape.buttons)
    buttons.push_back(box.addButton(QString::fromLatin1(button.caption), QMessageBox::ActionRole));
  box.setDefaultButton(buttons[shape.defaultButton]);
  box.setEscapeButton(buttons[shape.escapeButton]);
  box.exec();
  const auto clicked = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  const std::size_t index = clicked == buttons.end() ? shape.escapeButton
                                                      : static_cast<std::size_t>(clicked - buttons.begin());
  return shape.buttons[index].answer;
}

std::string QtDialogs::openFile(const diagnostics::FileOpenRequest& request) {
  QFileDialog dialog(dialogParent(), QString::fromStdString(request.title),
                     QString::fromStdString(request.initialFolder),
                     qtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode((request.flags & ofn::FileMustExist) != 0 ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return request.fileName;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return request.fileName;
  return QDir::toNativeSeparators(chosen.constFirst()).toStdString();
}

std::string QtDialogs::multiLineText(std::string_view caption) { return about::showMultiLineText(caption, dialogParent()); }

}  // namespace main_window
