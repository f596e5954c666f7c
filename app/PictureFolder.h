#pragma once

#include <QPixmap>
#include <QString>
#include <functional>

#include "app/artwork/Artwork.h"

namespace app {

// The folder the windows read their bitmap files from: the program's own folder.
class PictureFolder {
 public:
  explicit PictureFolder(QString folder) : folder_(std::move(folder)) {}

  // Replaces the picture with the one in the named file. A file that is missing, empty,
  // corrupt or truncated leaves the picture as it was and returns false: the window goes on
  // showing what it showed.
  bool load(const char* fileName, QPixmap& picture) const;

  // Called with the name of every file about to be read, in order.
  std::function<void(const QString& fileName)> onRead;

 private:
  QString folder_;
};

// A picture as the program draws it: what the windows are built with before any file is read,
// drawn for a screen of the given device pixel ratio.
QPixmap builtIn(artwork::Picture picture, qreal ratio);

}  // namespace app
