#include "about/splash.h"

#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QString>

#include <chrono>
#include <string>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "platform/application_info.h"
#include "platform/qt/qt_text.h"
#include "utilities/general.h"
#include "widgets/twips_rect.h"
#include "widgets/paint_wait.h"
#include "widgets/twips_widget.h"

namespace about {

namespace {

using widgets::pixelRect;
using widgets::TwipsRect;
using platform::ApplicationInfo;

constexpr const char* kObjectName = "frmSplash";
constexpr std::int16_t kPauseMilliseconds = 400;
constexpr std::chrono::milliseconds kPaintWaitLimit{2000};
constexpr const char* kWarning =
    "Warning: This programme may be harmful to management consultants and accountants";

// The window's inner area; the frame sits in it, everything else in the frame.
constexpr float kInnerWidth = 5400;
constexpr float kInnerHeight = 3030;
constexpr TwipsRect kFrame{120, 60, 5160, 2850};
constexpr TwipsRect kLogo{240, 240, 240, 240};
constexpr TwipsRect kProductName{2910, 480, 2025, 330};
constexpr TwipsRect kCopyright{2640, 840, 2295, 255};
constexpr TwipsRect kComments{3600, 1440, 1365, 270};
constexpr TwipsRect kWarningBox{240, 2160, 4815, 435};

QFont normalFont(const QString& family, qreal points) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  return font;
}

// A magnifying glass over a page: what the program does, in 16 x 16 pixels.
QPixmap logoPixmap() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::darkGray, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(1.5, 0.5, 9, 12));
  painter.setPen(QPen(QColor(0, 0, 128), 1.6));
  painter.setBrush(QColor(170, 210, 255));
  painter.drawEllipse(QPointF(7, 7), 3.5, 3.5);
  painter.setPen(QPen(QColor(0, 0, 128), 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(9.8, 9.8), QPointF(14.5, 14.5));
  return pixmap;
}

// One line of text; a longer caption widens the label rather than wrapping
// onto a line below its height.
QLabel* newLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QString::fromLatin1(kObjectName));
  createControls();
  placeControls();
}

void frmSplash::createControls() {
  fra1_ = new QGroupBox(this);
  fra1_->setObjectName(QStringLiteral("fra1"));
  imgLogo_ = newLabel("imgLogo", fra1_);
  imgLogo_->setPixmap(logoPixmap());
  imgLogo_->setScaledContents(true);
  lblProductName_ = newLabel("lblProductName", fra1_);
  lblProductName_->setFont(normalFont(QStringLiteral("Arial"), 14.25));
  lblCopyright_ = newLabel("lblCopyright", fra1_);
  lblCopyright_->setText(platform::qStringFromCp1252(ApplicationInfo::kLegalCopyright));
  lblComments_ = newLabel("lblComments", fra1_);
  lblComments_->setFont(normalFont(QStringLiteral("Arial"), 12));
  lblWarning_ = newLabel("lblWarning", fra1_);
  lblWarning_->setWordWrap(true);  // two lines by design
  lblWarning_->setFont(normalFont(QStringLiteral("Arial Narrow"), 8.25));
  lblWarning_->setText(QString::fromLatin1(kWarning));
}

void frmSplash::placeControls() {
  setFixedSize(pixelRect({0, 0, kInnerWidth, kInnerHeight}, *this).size());
  widgets::setTwipsGeometry(*fra1_, kFrame);
  widgets::setTwipsGeometry(*imgLogo_, kLogo);
  widgets::setTwipsGeometry(*lblProductName_, kProductName);
  widgets::setTwipsGeometry(*lblCopyright_, kCopyright);
  widgets::setTwipsGeometry(*lblComments_, kComments);
  widgets::setTwipsGeometry(*lblWarning_, kWarningBox);
  if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}

void frmSplash::Form_Load() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_Load", bError};
  if (!trap.step(1, [&] {
        diagnostics::gsProductVersion =
            std::string(ApplicationInfo::kProductName) + " " + diagnostics::gsVersionText();
      }))
    return;
  if (!trap.step(2, [&] {
        lblProductName_->setText(platform::qStringFromCp1252(diagnostics::gsProductVersion));
      }))
    return;
  if (!trap.step(3, [&] {
        lblComments_->setText(platform::qStringFromCp1252(ApplicationInfo::kComments));
      }))
    return;
  // The pause below blocks the event loop, so the window must be on screen
  // and painted before it starts. The wait is bounded: a window system that
  // never shows the splash must not hold up the start.
  if (!trap.step(4, [&] {
        placeControls();  // the captions set above may need more room
        show();
        widgets::waitUntilPainted(*this, kPaintWaitLimit);
      }))
    return;
  trap.step(5, [&] { utilities::gGPause(kPauseMilliseconds, bError); });
}

void frmSplash::Form_KeyPress() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kObjectName, "Form_KeyPress", bError};
  trap.step(1, [&] { close(); });
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
  if (event->text().isEmpty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  Form_KeyPress();
}

QPointer<frmSplash> showSplash() {
  QPointer<frmSplash> splash = new frmSplash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->Form_Load();
  return splash;
}

}  // namespace about
