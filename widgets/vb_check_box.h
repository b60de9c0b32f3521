#pragma once
// A check box with Visual Basic's Value: 0 clear, 1 ticked, 2 greyed. Greyed
// is set only by the program; a click on a greyed box ticks it, and clicks
// never make it grey again.

#include <QCheckBox>

#include <cstdint>

namespace widgets {

class VbCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

  std::int16_t value() const;
  // Raises Invalid property value (380) for anything but 0, 1 and 2.
  void setValue(std::int16_t value);

 protected:
  void nextCheckState() override;
};

}  // namespace widgets
