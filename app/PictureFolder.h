// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPixmap>
#include <QString>
#include <functional>

#include "artwork/Artwork.h"

namespace app {

// No picture of the windows needs a larger file: the largest, a background of 738 x 455 px, is
// about 1 MB as a 24-bit bitmap. A larger file is refused unread, so that a huge or endless one
// costs neither time nor memory.
constexpr qint64 kMaxBitmapFileBytes = 4 * 1024 * 1024;

// No button or panel of the windows is wider or taller than a window, 738 px. A bitmap whose
// header claims more is refused before its sizes are multiplied or its pixels allocated.
constexpr qint64 kMaxBitmapSide = 1024;

// The folder the windows read their bitmap files from: the program's own folder.
class PictureFolder {
 public:
  explicit PictureFolder(QString folder) : folder_(std::move(folder)) {}

  // Replaces the picture with the one read from its bitmap file. A file that is missing, empty,
  // corrupt, truncated, too large, or no regular file leaves the picture as it was and returns
  // false: the window goes on showing what it showed.
  bool load(artwork::Picture picture, QPixmap& shown) const;

  // Called with the name of every file about to be read, in order.
  std::function<void(const QString& fileName)> onRead;

 private:
  QString folder_;
};

// A picture as the program draws it: what the windows are built with before any file is read,
// for a screen of the given device pixel ratio, drawn at build time where it could be.
QPixmap builtIn(artwork::Picture picture, qreal ratio);

}  // namespace app
