#include "app/WindowFrame.h"

#include <QGuiApplication>
#include <QScreen>

namespace app {

void fixWindowFrame(QWidget& window, const QSize& clientSize, Qt::WindowFlags titleButtons) {
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | titleButtons);
  window.setFixedSize(clientSize);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed(QPoint(), clientSize);
    placed.moveCenter(screen->availableGeometry().center());
    window.move(placed.topLeft());
  }
}

}  // namespace app
