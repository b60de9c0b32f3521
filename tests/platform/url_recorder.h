#pragma once
// Stands in for the desktop's handler of one URL scheme and keeps what reached it.

#include <QDesktopServices>
#include <QObject>
#include <QString>
#include <QUrl>

#include <vector>

namespace platform_test {

class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  explicit UrlRecorder(QString scheme) : scheme_(std::move(scheme)) {
    QDesktopServices::setUrlHandler(scheme_, this, "openUrl");
  }
  ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(scheme_); }
  UrlRecorder(const UrlRecorder&) = delete;
  UrlRecorder& operator=(const UrlRecorder&) = delete;

  const std::vector<QUrl>& urls() const { return urls_; }

 public slots:
  void openUrl(const QUrl& url) { urls_.push_back(url); }

 private:
  QString scheme_;
  std::vector<QUrl> urls_;
};

}  // namespace platform_test
