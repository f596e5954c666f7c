// SPDX-License-Identifier: Apache-2.0
#include "app/WaitNotice.h"

#include <QAccessibleWidget>

#include "app/PictureFolder.h"
#include "artwork/Artwork.h"
#include "artwork/Palette.h"

namespace app {

namespace {

// A label showing a picture is a graphic to Qt; this one is text.
QAccessibleInterface* accessibleNotice(const QString& className, QObject* object) {
  if (className != QLatin1String(WaitNotice::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::StaticText);
}

}  // namespace

WaitNotice::WaitNotice(const QRect& geometry, QWidget* parent) : QLabel(parent) {
  static const bool kFactoryInstalled = (QAccessible::installFactory(accessibleNotice), true);
  Q_UNUSED(kFactoryInstalled)
  setObjectName(QStringLiteral("imgWarning"));
  setGeometry(geometry);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, artwork::palette::kNoticeGrey);
  setPalette(colours);
  setAutoFillBackground(true);
  setAccessibleName(artwork::captions(artwork::Picture::WaitNotice).value(0));
}

void WaitNotice::setVisible(bool visible) {
  if (visible && pixmap().isNull()) {
    setPixmap(builtIn(artwork::Picture::WaitNotice, devicePixelRatio()));
  }
  QLabel::setVisible(visible);
}

}  // namespace app
