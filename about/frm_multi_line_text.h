#pragma once
// The multi-line text dialog drawn with Qt: the controls of
// forms::frmMultiLineText, whose events it forwards.

#include <QDialog>

#include <memory>
#include <string>
#include <string_view>

#include "forms/frm_multi_line_text.h"
#include "forms/multi_line_text_view.h"

class QPlainTextEdit;
class QPushButton;

namespace about {

class frmMultiLineText : public QDialog, private forms::MultiLineTextView {
 public:
  explicit frmMultiLineText(QWidget* parent = nullptr);
  ~frmMultiLineText() override;

  forms::frmMultiLineText& form() { return *form_; }

  // Every way out (OK, Cancel, the close box, Escape) ends here.
  void done(int result) override;

 protected:
  // Escape is Cancel: it discards the text (the close box keeps it).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget& control(forms::MultiLineTextControl which) const;

  void setTitle(std::string_view title) override;
  void setClientSize(float width, float height) override;
  void setCaption(forms::MultiLineTextControl which, std::string_view caption) override;
  void placeControl(forms::MultiLineTextControl which, const forms::TwipsRect& place) override;
  std::string text() const override;
  void closeDialog(bool accepted) override;

  QPlainTextEdit* txtMultiLineText_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  std::unique_ptr<forms::frmMultiLineText> form_;
};

// Shows a fresh dialog captioned caption (Windows-1252) modally and returns
// what it kept.
std::string showMultiLineText(std::string_view caption, QWidget* parent);

}  // namespace about
