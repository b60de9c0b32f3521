#include "main_window/frm_scopster.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include <utility>

#include "widgets/twips_widget.h"
#include "widgets/vb_check_box.h"
#include "widgets/window_icon.h"

namespace main_window {

using namespace widgets;

namespace {

// The client area the controls were placed in.
constexpr float kDesignInnerWidth = 6000;
constexpr float kDesignInnerHeight = 5010;

template <typename Widget>
Widget* newControl(QWidget* parent, const char* name) {
  auto* control = new Widget(parent);
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

// Run texts are paths and code lines, never markup.
QLabel* newProgressLabel(QWidget* parent, const char* name) {
  QLabel* label = newControl<QLabel>(parent, name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

frmScopster::frmScopster(WindowOptions options)
    : options_(std::move(options)),
      analyser_(*this, options_.yieldInterval),
      placement_(*this),
      geometry_(designGeometry()) {
  setObjectName(QString::fromLatin1(kFormName.data(), static_cast<int>(kFormName.size())));
  setWindowIcon(widgets::scopsterIcon());
  createControls();
  createMenus();
  connectEvents();
  for (const ControlPlace& place : controlPlaces()) placeControl(place);
  setDesignSize();
}

frmScopster::~frmScopster() = default;

void frmScopster::createControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);

  cmdAnalyse = newControl<QPushButton>(client, "cmdAnalyse");
  cmdAnalyse->setText(QStringLiteral("&Analyse"));
  cmdAnalyse->setAutoDefault(false);
  lblSource = newControl<QLabel>(client, "lblSource");
  lblSource->setText(QStringLiteral("S&ource:"));
  txtSource = newControl<QLineEdit>(client, "txtSource");
  txtSource->setToolTip(QStringLiteral("Double click to browse"));
  lblSource->setBuddy(txtSource);
  lstText = newControl<QListWidget>(client, "lstText");
  lstText->setSelectionMode(QAbstractItemView::SingleSelection);
  lstText->setUniformItemSizes(true);  // keeps appending fast on long results
  lblRunTime.label = newProgressLabel(client, "lblRunTime");
  lblSourceFile.label = newProgressLabel(client, "lblSourceFile");
  lblSearchFile.label = newProgressLabel(client, "lblSearchFile");
  lblPublic.label = newProgressLabel(client, "lblPublic");
  lblProcessing = newControl<QLabel>(client, "lblProcessing");
  lblProcessing->setText(QStringLiteral("Processing:"));
  lblProcessing->hide();
  chkAutoScroll = newControl<VbCheckBox>(client, "chkAutoScroll");
  chkAutoScroll->setText(QStringLiteral("A&utoScroll"));

  setTabOrder(cmdAnalyse, txtSource);
  setTabOrder(txtSource, lstText);
  setTabOrder(lstText, chkAutoScroll);
  cmdAnalyse->setFocus();
}

// Rows 1 to kLayoutRowCount in the order the layout moves them, then the
// controls the layout leaves where they are.
std::array<frmScopster::ControlPlace, kLayoutRowCount + 1> frmScopster::controlPlaces() const {
  return {{{&FormGeometry::lstText, lstText},
           {&FormGeometry::cmdAnalyse, cmdAnalyse},
           {&FormGeometry::chkAutoScroll, chkAutoScroll},
           {&FormGeometry::txtSource, txtSource},
           {&FormGeometry::lblRunTime, lblRunTime.label},
           {&FormGeometry::lblProcessing, lblProcessing},
           {&FormGeometry::lblSourceFile, lblSourceFile.label},
           {&FormGeometry::lblPublic, lblPublic.label},
           {&FormGeometry::lblSearchFile, lblSearchFile.label},
           {&FormGeometry::lblSource, lblSource}}};
}

void frmScopster::placeControl(const ControlPlace& place) { setTwipsGeometry(*place.widget, geometry_.*place.rect); }

// The design's client area below the menu bar.
void frmScopster::setDesignSize() {
  const QRect client = pixelRect({0, 0, kDesignInnerWidth, kDesignInnerHeight}, *this);
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

}  // namespace main_window
