#pragma once
// The splash window: product name and version, copyright, comments and a
// warning line, shown while the main window loads. Loading it builds
// gsProductVersion, which the rest of start-up copies.

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QKeyEvent;
class QLabel;

namespace about {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit frmSplash(QWidget* parent = nullptr);

  // Sets gsProductVersion and the labels, shows the window fully painted,
  // then blocks for the 400 ms pause.
  void Form_Load();
  // Any key that types a character (Escape and Enter included) unloads it.
  void Form_KeyPress();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void createControls();
  void placeControls();

  QGroupBox* fra1_ = nullptr;
  QLabel* imgLogo_ = nullptr;
  QLabel* lblProductName_ = nullptr;
  QLabel* lblCopyright_ = nullptr;
  QLabel* lblComments_ = nullptr;
  QLabel* lblWarning_ = nullptr;
};

// Creates the splash window, deleted when it closes, and runs its Form_Load.
// The pointer turns null once the window is gone (a key press may close it
// early), so test it before closing: if (splash) splash->close();
QPointer<frmSplash> showSplash();

}  // namespace about
