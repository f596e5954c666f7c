// SPDX-License-Identifier: Apache-2.0
#include "app/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace app {

namespace {

void centre(QWidget& window, const QSize& frameSize) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed(QPoint(), frameSize);
    placed.moveCenter(screen->availableGeometry().center());
    window.move(placed.topLeft());
  }
}

// Until a window manager has framed the window only its client area is known, and move()
// places the frame's corner where the client area's would be centred: half a title bar low.
// Once the frame shows, the window is centred by its frame, that once.
class FrameCentring : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Move && event->type() != QEvent::Paint) return false;
    auto& window = static_cast<QWidget&>(*watched);
    const QSize frameSize = window.frameGeometry().size();
    if (frameSize == window.size()) return false;
    window.removeEventFilter(this);
    centre(window, frameSize);
    deleteLater();
    return false;
  }
};

}  // namespace

void fixWindowFrame(QWidget& window, const QSize& clientSize, Qt::WindowFlags titleButtons) {
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | titleButtons);
  window.setFixedSize(clientSize);
  centre(window, clientSize);
  window.installEventFilter(new FrameCentring(&window));
}

}  // namespace app
