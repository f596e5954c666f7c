#pragma once

#include <QPixmap>
#include <QString>
#include <functional>

#include "artwork/Artwork.h"

namespace app {

// The folder the windows read their bitmap files from: the program's own folder.
class PictureFolder {
 public:
  explicit PictureFolder(QString folder) : folder_(std::move(folder)) {}

  // Replaces the picture with the one read from its bitmap file. A file that is missing, empty,
  // corrupt or truncated leaves the picture as it was and returns false: the window goes on
  // showing what it showed.
  bool load(artwork::Picture picture, QPixmap& shown) const;

  // Called with the name of every file about to be read, in order.
  std::function<void(const QString& fileName)> onRead;

 private:
  QString folder_;
};

// A picture as the program draws it: what the windows are built with before any file is read.
QPixmap builtIn(artwork::Picture picture);

}  // namespace app
