// A label whose text has a shadow to the lower right: drawn first in the button-highlight colour
// one pixel right and down, then in the label's own colour in its place.
#pragma once

#include <QLabel>

namespace app {

class ShadowLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
