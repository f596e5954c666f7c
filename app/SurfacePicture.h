// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPixmap>
#include <QWidget>

namespace app {

// A picture drawn on its window's surface: the background or a picture button. It never takes
// the focus, reports every mouse move over it, pressed button or not, and every mouse-button
// release with the button's code. Disabled, it still shows its picture but answers nothing.
class SurfacePicture : public QWidget {
  Q_OBJECT

 public:
  SurfacePicture(const char* name, const QRect& geometry, const QPixmap& picture, QWidget* parent);

  const QPixmap& picture() const { return picture_; }
  QPixmap& picture() { return picture_; }

  // Makes the picture a button with the caption painted on it, '&' before the underlined
  // letter, which is also its Ctrl key. Assistive technology then presents it as a push button
  // of that name, whose press runs what a left click runs.
  void setButtonCaption(const QString& caption);
  const QString& buttonCaption() const { return caption_; }

 signals:
  void moved();
  void released(int button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  QString caption_;
};

}  // namespace app
