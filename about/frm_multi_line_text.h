#pragma once
// A small modal dialog in which the user types a text of several lines.

#include <QDialog>

#include <string>
#include <string_view>

class QPlainTextEdit;
class QPushButton;

namespace about {

class frmMultiLineText : public QDialog {
 public:
  explicit frmMultiLineText(QWidget* parent = nullptr);

  // What the dialog kept when it unloaded: the typed text, or "" after Cancel.
  const std::string& text() const { return msText; }

  void cmdOK_Click();
  void cmdCancel_Click();
  void Form_Unload();

  // Every way out (OK, Cancel, the close box, Escape) ends here.
  void done(int result) override;

 protected:
  // Escape is Cancel: it discards the text (the close box keeps it).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void createControls();
  void placeControls();

  QPlainTextEdit* txtMultiLineText_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  bool mbCancel = false;
  std::string msText;
};

// Shows a fresh dialog captioned caption modally and returns what it kept.
std::string showMultiLineText(std::string_view caption, QWidget* parent);

// Asks through the installed Dialogs and returns the text trimmed of blanks
// and NULs at both ends; "" when cancelled. On Abort of a failure, obError
// is set and the text built so far is returned.
std::string gsMultiLineText(std::string_view isHeader, bool& obError);

}  // namespace about
