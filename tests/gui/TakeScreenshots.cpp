// Grabs both windows as a user first sees them into PNG files:
//   QT_QPA_PLATFORM=offscreen build/bin/window_screenshots docs
#include <QApplication>
#include <QDir>

#include "app/PictureFolder.h"
#include "app/frmConfigUtility.h"
#include "app/frmFeatures.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeSpooler.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "platform/MouseButton.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    qCritical("usage: window_screenshots FOLDER");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));

  FakeSpooler spooler;
  ScriptedMessageBoxes boxes;
  FakeSleeper sleeper;
  platform::Platform platform{spooler, boxes, sleeper};
  const app::PictureFolder pictures(QCoreApplication::applicationDirPath());

  frmConfigUtility window(platform, pictures);
  window.show();
  const bool configSaved = window.grab().save(folder.filePath("frmConfigUtility.png"));
  window.showFeatures(platform::kLeftButton);
  const bool featuresSaved = window.features()->grab().save(folder.filePath("frmFeatures.png"));
  return configSaved && featuresSaved ? 0 : 1;
}
