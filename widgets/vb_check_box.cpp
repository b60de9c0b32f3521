#include "widgets/vb_check_box.h"

#include "runtime/vb_error.h"

namespace widgets {

std::int16_t VbCheckBox::value() const {
  switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void VbCheckBox::setValue(std::int16_t value) {
  switch (value) {
    case 0: setCheckState(Qt::Unchecked); return;
    case 1: setCheckState(Qt::Checked); return;
    case 2: setCheckState(Qt::PartiallyChecked); return;  // turns tristate on by itself
    default: vb::raise(vb::err::InvalidPropertyValue);
  }
}

void VbCheckBox::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

}  // namespace widgets
