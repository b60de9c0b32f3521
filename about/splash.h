#pragma once
// The splash window drawn with Qt: the controls of forms::frmSplash, whose
// key presses it forwards.

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string_view>

#include "forms/frm_splash.h"
#include "forms/splash_view.h"

class QKeyEvent;

namespace about {

class frmSplash : public QWidget, private forms::SplashView {
  Q_OBJECT

 public:
  explicit frmSplash(QWidget* parent = nullptr);
  ~frmSplash() override;

  forms::frmSplash& form() { return *form_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static constexpr std::size_t kControlCount = static_cast<std::size_t>(forms::SplashControl::lblWarning) + 1;

  void createControls();
  QWidget& control(forms::SplashControl which) const;

  void setTitle(std::string_view title) override;
  void setClientSize(float width, float height) override;
  void setCaption(forms::SplashControl which, std::string_view caption) override;
  void placeControl(forms::SplashControl which, const forms::TwipsRect& place) override;
  void showPainted() override;
  void closeWindow() override;

  std::array<QWidget*, kControlCount> controls_{};
  std::unique_ptr<forms::frmSplash> form_;
};

// Creates the splash window, deleted when it closes, and runs its Form_Load.
// The pointer turns null once the window is gone (a key press may close it
// early), so test it before closing: if (splash) splash->close();
QPointer<frmSplash> showSplash();

}  // namespace about
