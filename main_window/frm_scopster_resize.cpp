// Form_Resize: the minimum size and the layout of the controls.

#include <QResizeEvent>

#include "diagnostics/error_trap.h"
#include "main_window/frm_scopster.h"
#include "widgets/twips_widget.h"

namespace main_window {

using namespace widgets;

void frmScopster::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

// The list shows partial lines, so it takes the height it is given and the
// rows under it follow that height (no actual-height function).
void frmScopster::Form_Resize() {
  bool bError = false;
  diagnostics::ErrorTrap trap{kFormName, "Form_Resize", bError};
  float innerWidth = 0;
  float innerHeight = 0;
  ResizeDecision decision{ResizeAction::Nothing, 0};
  if (!trap.step(1, [&] {
        const QWidget& client = *centralWidget();
        innerWidth = isMinimized() ? 0 : twipsX(client.width(), client);
        innerHeight = twipsY(client.height(), client);
        const QRect outer = frameGeometry();
        decision = decideResize(innerWidth, twipsX(outer.width(), *this), twipsY(outer.height(), *this));
      }))
    return;
  switch (decision.action) {
    case ResizeAction::Nothing:
      return;
    case ResizeAction::SetOuterWidth:
      trap.step(2, [&] { setOuterWidth(decision.value); });
      return;
    case ResizeAction::SetOuterHeight:
      trap.step(3, [&] { setOuterHeight(decision.value); });
      return;
    case ResizeAction::Layout:
      break;
  }
  const auto places = controlPlaces();
  for (int row = 1; row <= kLayoutRowCount; ++row)
    if (!trap.step(3 + row, [&] {
          layoutRow(row, geometry_, innerWidth, innerHeight);
          placeControl(places[static_cast<std::size_t>(row - 1)]);
        }))
      return;
}

// Outer sizes include the frame; the widget's own size does not. The new size
// raises the next resize event, which goes on from there.
void frmScopster::setOuterWidth(float twips) {
  const int decorations = frameGeometry().width() - width();
  resize(pixelsCoveringX(twips, *this) - decorations, height());
}

void frmScopster::setOuterHeight(float twips) {
  const int decorations = frameGeometry().height() - height();
  resize(width(), pixelsCoveringY(twips, *this) - decorations);
}

}  // namespace main_window
