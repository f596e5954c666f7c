// SPDX-License-Identifier: Apache-2.0
#include "app/ScreenRatio.h"

namespace app {

QPixmap forScreen(const QPixmap& picture, qreal ratio) {
  if (qFuzzyCompare(picture.devicePixelRatio(), ratio)) return picture;
  QPixmap scaled = picture.scaled(picture.deviceIndependentSize().toSize() * ratio,
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(ratio);
  return scaled;
}

}  // namespace app
