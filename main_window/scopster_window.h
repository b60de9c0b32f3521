#pragma once
// The main window's widgets: the project path, the Analyse/Stop button, the
// result list with its progress labels, the File and Help menus. It holds no
// rule of the form: it forwards each event to forms::frmScopster and lets the
// form set its properties through its WindowView.

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace forms {
class frmScopster;
class ScopsterView;
}  // namespace forms

namespace widgets {
class VbCheckBox;
}

namespace main_window {

class RecentFileMenu;
class ResultList;
class WindowView;

class ScopsterWindow : public QMainWindow {
 public:
  // yield lets the window's pending events run while a run goes on.
  explicit ScopsterWindow(std::function<void()> yield = processWindowEvents);
  ~ScopsterWindow() override;
  ScopsterWindow(const ScopsterWindow&) = delete;
  ScopsterWindow& operator=(const ScopsterWindow&) = delete;

  forms::ScopsterView& view();
  // The form the events go to; until then they go nowhere.
  void attach(forms::frmScopster& form);

  static void processWindowEvents();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void createControls();
  void createMenus();
  void connectEvents();
  void setDesignSize();
  // Calls one of the form's event procedures, once a form is attached.
  void forward(void (forms::frmScopster::*procedure)());

  forms::frmScopster* form_ = nullptr;

  QPushButton* cmdAnalyse_ = nullptr;
  QLabel* lblSource_ = nullptr;
  QLineEdit* txtSource_ = nullptr;
  ResultList* lstText_ = nullptr;
  QLabel* lblRunTime_ = nullptr;
  QLabel* lblSourceFile_ = nullptr;
  QLabel* lblSearchFile_ = nullptr;
  QLabel* lblPublic_ = nullptr;
  QLabel* lblProcessing_ = nullptr;
  widgets::VbCheckBox* chkAutoScroll_ = nullptr;

  QAction* mnuFileOpenProject_ = nullptr;
  QAction* mnuFilePrint_ = nullptr;
  QAction* mnuFileExit_ = nullptr;
  QAction* mnuHelpHelp_ = nullptr;
  QAction* mnuHelpAbout_ = nullptr;

  std::unique_ptr<RecentFileMenu> recentFiles_;
  std::unique_ptr<WindowView> view_;
};

}  // namespace main_window
