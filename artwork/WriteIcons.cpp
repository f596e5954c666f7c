// SPDX-License-Identifier: Apache-2.0
// mrl770-icons FOLDER NAME: writes the window icon into FOLDER laid out as an icon theme,
// <width>x<height>/apps/NAME.png, at its own size and at twice and four times that size, each
// drawn at its size rather than scaled from a smaller one.

#include <QDir>
#include <cstdio>

#include "artwork/Artwork.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER NAME\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const QString fileName = QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png");
  for (const int ratio : {1, 2, 4}) {
    const QImage icon = artwork::draw(artwork::Picture::WindowIcon, ratio);
    const QString apps = QStringLiteral("%1x%2/apps").arg(icon.width()).arg(icon.height());
    const QString path = folder.filePath(apps + QLatin1Char('/') + fileName);
    if (!folder.mkpath(apps) || !icon.save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
