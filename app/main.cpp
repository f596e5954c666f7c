#include <QApplication>
#include <memory>

#include "app/PictureFolder.h"
#include "app/QtMessageBoxes.h"
#include "app/frmConfigUtility.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "platform/SystemSpooler.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Wayland compositors find the program's icon through its .desktop file. No application
  // display name is set: Qt would append it to the window captions.
  QGuiApplication::setDesktopFileName(QStringLiteral(MRL770_DESKTOP_FILE_NAME));
  // The configuration window decides when the program ends, through its quit prompt.
  QApplication::setQuitOnLastWindowClosed(false);

  const std::unique_ptr<platform::Spooler> spooler = platform::makeSystemSpooler();
  app::QtMessageBoxes messageBoxes;
  platform::ThreadSleeper sleeper;
  platform::Platform platform{*spooler, messageBoxes, sleeper};
  const app::PictureFolder pictures(QCoreApplication::applicationDirPath());

  frmConfigUtility window(platform, pictures);
  QObject::connect(&window, &frmConfigUtility::programEnded, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  window.show();
  return QApplication::exec();
}
