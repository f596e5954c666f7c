// SPDX-License-Identifier: Apache-2.0
// The floor of the start-up benchmark: a bare Qt window, a 320 x 200 label that quits after
// its first paint.
#include <QApplication>
#include <QLabel>

#include "QuitAfterFirstPaint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  bench::QuitAfterFirstPaint quit;
  application.installEventFilter(&quit);
  QLabel label(QStringLiteral("A bare window"));
  label.resize(320, 200);
  label.show();
  return QApplication::exec();
}
