#include "widgets/paint_wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace widgets {

namespace {

// Notes a paint of the window while its native window is exposed.
class ExposedPaint : public QObject {
 public:
  explicit ExposedPaint(QWidget& window) : window_(window) { window_.installEventFilter(this); }
  ~ExposedPaint() override { window_.removeEventFilter(this); }
  ExposedPaint(const ExposedPaint&) = delete;
  ExposedPaint& operator=(const ExposedPaint&) = delete;

  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && exposed()) painted = true;
    return QObject::eventFilter(watched, event);
  }

 private:
  bool exposed() const {
    const QWindow* native = window_.windowHandle();
    return native != nullptr && native->isExposed();
  }

  QWidget& window_;
};

}  // namespace

bool waitUntilPainted(QWidget& window, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  ExposedPaint watcher(window);
  window.repaint();
  while (!watcher.painted && std::chrono::steady_clock::now() < deadline) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!watcher.painted) QThread::msleep(1);
  }
  // The painted pixels reach the display server before we go on.
  QGuiApplication::sync();
  return watcher.painted;
}

}  // namespace widgets
