#pragma once
// The About box drawn with Qt: the controls of forms::frmAbout, whose events
// it forwards.

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "forms/about_view.h"
#include "forms/frm_about.h"

class QCheckBox;

namespace about {

class frmAbout : public QDialog, private forms::AboutView {
 public:
  // dialogs asks the box's questions.
  frmAbout(diagnostics::Dialogs& dialogs, QWidget* parent = nullptr);
  ~frmAbout() override;

  forms::frmAbout& form() { return *form_; }

  // Closing by any means ends here; the form unloads once.
  void done(int result) override;

 private:
  static constexpr std::size_t kControlCount = static_cast<std::size_t>(forms::AboutControl::Line1) + 1;

  void createControls();
  void createLinks();
  QWidget& control(forms::AboutControl which) const;

  void setTitle(std::string_view title) override;
  void setClientSize(float width, float height) override;
  void setCaption(forms::AboutControl which, std::string_view caption) override;
  void placeControl(forms::AboutControl which, const forms::TwipsRect& place) override;
  std::int16_t sendBugReportsValue() const override;
  void setSendBugReportsValue(std::int16_t value) override;

  std::array<QWidget*, kControlCount> controls_{};
  QCheckBox* chkSendBugReports_ = nullptr;
  std::unique_ptr<forms::frmAbout> form_;
  bool unloaded_ = false;
};

// Loads a fresh About box and shows it modally.
void showAboutBox(QWidget* parent, diagnostics::Dialogs& dialogs);

}  // namespace about
