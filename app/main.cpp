// SPDX-License-Identifier: Apache-2.0
#include <QApplication>

#include "app/ConfigProgram.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Wayland compositors find the program's icon through its .desktop file. No application
  // display name is set: Qt would append it to the window captions.
  QGuiApplication::setDesktopFileName(QStringLiteral(MRL770_DESKTOP_FILE_NAME));
  return app::runConfigUtility(application);
}
