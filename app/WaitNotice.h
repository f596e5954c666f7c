#pragma once

#include <QLabel>

namespace app {

// The wait notice of a settings download: its picture on a panel of the picture's grey, so that
// nothing beneath shows where the panel is wider than the picture. Assistive technology reads it
// as a status text, named by what it says, while it is shown.
class WaitNotice : public QLabel {
  Q_OBJECT

 public:
  WaitNotice(const QRect& geometry, const QPixmap& picture, QWidget* parent);
};

}  // namespace app
