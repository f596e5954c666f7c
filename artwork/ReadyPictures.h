// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QImage>
#include <cstddef>

#include "artwork/Artwork.h"

namespace artwork {

// A picture drawn when the program was built, kept in the program as the pixels of its image.
struct StoredPicture {
  Picture picture;
  int ratio;  // device pixels to each pixel
  int width;  // in device pixels
  int height;
  qsizetype bytesPerLine;
  QImage::Format format;
  // Writable, so that the image can take its device pixel ratio without copying the pixels;
  // nothing paints on a window's pictures.
  unsigned char* pixels;
  const QRgb* colours;  // the colour table of an indexed picture, else null
  int colourCount;
};

// Written by the build (mrl770-ready-pictures).
extern const StoredPicture kStoredPictures[];
extern const std::size_t kStoredPictureCount;

// A picture for a screen of the given device pixel ratio, exactly as draw() draws it: the
// pixels stored at build time where there are some, otherwise drawn now.
QImage readyPicture(Picture picture, qreal ratio);

}  // namespace artwork
