// SPDX-License-Identifier: Apache-2.0
// Grabs both windows as a user first sees them into PNG files:
//   QT_QPA_PLATFORM=offscreen build/bin/window_screenshots docs
// and, for a screen of twice the pixels, into files named NAME@2x.png:
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/bin/window_screenshots docs
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
  const qreal ratio = window.devicePixelRatio();
  const QString suffix =
      ratio == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(ratio);
  const bool configSaved = window.grab().save(folder.filePath("frmConfigUtility" + suffix));
  window.showFeatures(platform::kLeftButton);
  const bool featuresSaved =
      window.features()->grab().save(folder.filePath("frmFeatures" + suffix));
  return configSaved && featuresSaved ? 0 : 1;
}
