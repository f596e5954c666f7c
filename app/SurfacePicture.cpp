// SPDX-License-Identifier: Apache-2.0
#include "app/SurfacePicture.h"

#include <QAccessibleWidget>
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

// A picture button as assistive technology sees it.
class AccessiblePictureButton : public QAccessibleWidget {
 public:
  explicit AccessiblePictureButton(SurfacePicture& button)
      : QAccessibleWidget(&button, QAccessible::PushButton) {}

  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString& action) const override {
    const auto& button = static_cast<const SurfacePicture&>(*widget());
    const qsizetype letter = button.buttonCaption().indexOf(QLatin1Char('&')) + 1;
    if (action != pressAction() || letter == 0) return {};
    return {QStringLiteral("Ctrl+") + button.buttonCaption().at(letter).toUpper()};
  }
  // A disabled button answers no press, as it answers no click.
  void doAction(const QString& action) override {
    if (action != pressAction() || !widget()->isEnabled()) return;
    emit static_cast<SurfacePicture&>(*widget()).released(platform::kLeftButton);
  }
};

QAccessibleInterface* accessibleButton(const QString& className, QObject* object) {
  auto* picture = qobject_cast<SurfacePicture*>(object);
  if (className != QLatin1String(SurfacePicture::staticMetaObject.className()) || !picture ||
      picture->buttonCaption().isEmpty()) {
    return nullptr;
  }
  return new AccessiblePictureButton(*picture);
}

}  // namespace

SurfacePicture::SurfacePicture(const char* name, const QRect& geometry, const QPixmap& picture,
                               QWidget* parent)
    : QWidget(parent), picture_(picture) {
  static const bool kFactoryInstalled = (QAccessible::installFactory(accessibleButton), true);
  Q_UNUSED(kFactoryInstalled)
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
}

void SurfacePicture::setButtonCaption(const QString& caption) {
  caption_ = caption;
  setAccessibleName(QString(caption).remove(QLatin1Char('&')));
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
