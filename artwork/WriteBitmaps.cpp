// SPDX-License-Identifier: Apache-2.0
// mrl770-artwork FOLDER: writes the bitmap files the windows load at run time into FOLDER.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "artwork/Artwork.h"
#include "artwork/BitmapFiles.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  // Fonts need a running application, and this tool must also run where there is no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create folder %s\n", argv[1]);
    return 1;
  }
  for (const artwork::BitmapFile& file : artwork::bitmapFiles()) {
    const QString path = folder.filePath(QString::fromLatin1(file.fileName));
    // RGB888 has no alpha channel, so the BMP writer stores 24 bits a pixel, as the windows expect.
    const QImage image = artwork::draw(file.picture).convertToFormat(QImage::Format_RGB888);
    if (!image.save(path, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
