#pragma once
// The bug-report question drawn with Qt: the controls of
// forms::frmSendBugReportYN, whose events it forwards.

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "forms/frm_send_bug_report_yn.h"
#include "forms/send_bug_report_yn_view.h"

class QCheckBox;

namespace about {

class frmSendBugReportYN : public QDialog, private forms::SendBugReportYNView {
 public:
  explicit frmSendBugReportYN(QWidget* parent = nullptr);
  ~frmSendBugReportYN() override;

  forms::frmSendBugReportYN& form() { return *form_; }

 private:
  static constexpr std::size_t kControlCount = static_cast<std::size_t>(forms::SendBugReportYNControl::Line1) + 1;

  void createControls();
  QWidget& control(forms::SendBugReportYNControl which) const;

  void setTitle(std::string_view title) override;
  void setClientSize(float width, float height) override;
  void setCaption(forms::SendBugReportYNControl which, std::string_view caption) override;
  void placeControl(forms::SendBugReportYNControl which, const forms::TwipsRect& place) override;
  void setToolTip(forms::SendBugReportYNControl which, std::string_view tip) override;
  std::int16_t dontAskMeAgainValue() const override;
  void closeDialog(bool yes) override;

  std::array<QWidget*, kControlCount> controls_{};
  QCheckBox* chkDontAskMeAgain_ = nullptr;
  std::unique_ptr<forms::frmSendBugReportYN> form_;
};

// Shows a fresh question dialog modally; true when the user answered Yes.
bool askToSendBugReport(QWidget* parent = nullptr);

}  // namespace about
