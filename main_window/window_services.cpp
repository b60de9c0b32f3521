#include "main_window/window_services.h"

#include <QPointer>
#include <QWidget>

#include "about/frm_about.h"
#include "about/splash.h"
#include "main_window/default_printer.h"
#include "platform/application_info.h"
#include "platform/system_services.h"

namespace main_window {

namespace {

// A window that may close on its own before the form closes it.
class GuardedWindow final : public forms::OpenedWindow {
 public:
  explicit GuardedWindow(QWidget* window) : window_(window) {}
  void closeWindow() override {
    if (window_) window_->close();
  }

 private:
  QPointer<QWidget> window_;
};

}  // namespace

forms::ScopsterServices windowServices(QWidget& window, diagnostics::Dialogs& dialogs) {
  forms::ScopsterServices services;
  services.dialogs = &dialogs;
  services.showSplash = [] { return std::make_unique<GuardedWindow>(about::showSplash().data()); };
  services.showAboutBox = [&window, &dialogs] { about::showAboutBox(&window, dialogs); };
  services.printer = defaultPrinter;
  services.applicationFolder = platform::applicationFolder();
  services.openHelpFile = platform::openFile;
  return services;
}

}  // namespace main_window
