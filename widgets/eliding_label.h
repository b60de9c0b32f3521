#pragma once
// A one-line label for paths and code lines that may be longer than the
// label: it shows as much of both ends as fits, with "…" in the middle, where
// a plain label would cut the end off. text() stays the whole text.

#include <QLabel>

namespace widgets {

class ElidingLabel : public QLabel {
 public:
  explicit ElidingLabel(QWidget* parent = nullptr);

  // What the label shows at its present width.
  QString shownText() const;
  // Any width will do; only the height of a line is needed.
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace widgets
