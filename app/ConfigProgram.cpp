// SPDX-License-Identifier: Apache-2.0
#include "app/ConfigProgram.h"

#include <QApplication>
#include <QFile>
#include <memory>

#include "app/LightLook.h"
#include "app/PaintingPause.h"
#include "app/PictureFolder.h"
#include "app/QtMessageBoxes.h"
#include "app/frmConfigUtility.h"
#include "platform/Platform.h"

#ifdef Q_OS_WIN
#include "platform/SystemSpooler.h"
#else
#include "platform/SpoolerModule.h"
#endif

namespace app {

namespace {

// The window needs no spooler to open: the spooler's module, beside the program, is loaded
// on the first print.
std::unique_ptr<platform::Spooler> systemSpooler() {
#ifdef Q_OS_WIN
  return platform::makeSystemSpooler();
#else
  const QByteArray folder = QFile::encodeName(QCoreApplication::applicationDirPath());
  return platform::makeModuleSpooler(platform::spoolerModulePath(folder.toStdString()));
#endif
}

}  // namespace

int runConfigUtility(QApplication& application) {
  // The configuration window decides when the program ends, through its quit prompt.
  QApplication::setQuitOnLastWindowClosed(false);
  useLightLook();

  const std::unique_ptr<platform::Spooler> spooler = systemSpooler();
  QtMessageBoxes messageBoxes;
  PaintingPause sleeper;
  platform::Platform platform{*spooler, messageBoxes, sleeper};
  const PictureFolder pictures(QCoreApplication::applicationDirPath());

  frmConfigUtility window(platform, pictures);
  QObject::connect(&window, &frmConfigUtility::programEnded, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  window.show();
  return QApplication::exec();
}

}  // namespace app
