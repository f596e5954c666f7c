#include "app/SurfacePicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/MouseButton.h"

namespace app {

namespace {

// Qt's buttons as the button codes the actions check.
int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return platform::kLeftButton;
    case Qt::RightButton:
      return platform::kRightButton;
    case Qt::MiddleButton:
      return platform::kMiddleButton;
    default:
      return 0;
  }
}

}  // namespace

SurfacePicture::SurfacePicture(const char* name, const QRect& geometry, const QPixmap& picture,
                               QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
}

void SurfacePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void SurfacePicture::mouseMoveEvent(QMouseEvent*) {
  emit moved();
}

void SurfacePicture::mouseReleaseEvent(QMouseEvent* event) {
  emit released(buttonCode(event->button()));
}

}  // namespace app
