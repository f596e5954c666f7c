// SPDX-License-Identifier: Apache-2.0
// The program's start-up for the benchmark: the configuration window built and shown as the
// program does, ending after its first paint.
#include <QApplication>

#include "QuitAfterFirstPaint.h"
#include "app/ConfigProgram.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  bench::QuitAfterFirstPaint quit;
  application.installEventFilter(&quit);
  return app::runConfigUtility(application);
}
