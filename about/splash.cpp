#include "about/splash.h"

#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <chrono>

#include "about/dialog_controls.h"
#include "widgets/paint_wait.h"

namespace about {

namespace {

using forms::SplashControl;

// A window system that never shows the splash must not hold up the start.
constexpr std::chrono::milliseconds kPaintWaitLimit{2000};

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
QLabel* newLineLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  createControls();
  form_ = std::make_unique<forms::frmSplash>(static_cast<forms::SplashView&>(*this));
}

frmSplash::~frmSplash() = default;

void frmSplash::createControls() {
  auto* frame = new QGroupBox(this);
  frame->setObjectName(QStringLiteral("fra1"));
  auto* logo = newLineLabel("imgLogo", frame);
  logo->setPixmap(logoPixmap());
  logo->setScaledContents(true);
  auto* productName = newLineLabel("lblProductName", frame);
  productName->setFont(normalFont(QStringLiteral("Arial"), 14.25));
  auto* copyright = newLineLabel("lblCopyright", frame);
  auto* comments = newLineLabel("lblComments", frame);
  comments->setFont(normalFont(QStringLiteral("Arial"), 12));
  auto* warning = newLineLabel("lblWarning", frame);
  warning->setWordWrap(true);  // two lines by design
  warning->setFont(normalFont(QStringLiteral("Arial Narrow"), 8.25));
  controls_ = {frame, logo, productName, copyright, comments, warning};
}

QWidget& frmSplash::control(SplashControl which) const { return *controls_.at(static_cast<std::size_t>(which)); }

// A frameless window shows no title; the task bar may.
void frmSplash::setTitle(std::string_view title) {
  setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

void frmSplash::setClientSize(float width, float height) {
  about::setClientSize(*this, width, height);
  if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}

void frmSplash::setCaption(SplashControl which, std::string_view caption) {
  about::setCaption(control(which), caption);
}

void frmSplash::placeControl(SplashControl which, const forms::TwipsRect& place) {
  about::placeControl(control(which), place);
}

// The pause that follows blocks the event loop, so the window must be on
// screen and painted before it starts.
void frmSplash::showPainted() {
  show();
  widgets::waitUntilPainted(*this, kPaintWaitLimit);
}

void frmSplash::closeWindow() { close(); }

void frmSplash::keyPressEvent(QKeyEvent* event) {
  if (event->text().isEmpty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  form_->Form_KeyPress();
}

QPointer<frmSplash> showSplash() {
  QPointer<frmSplash> splash = new frmSplash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->form().Form_Load();
  return splash;
}

}  // namespace about
