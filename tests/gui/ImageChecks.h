// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QImage>
#include <QSize>
#include <ostream>

inline void PrintTo(const QSize& size, std::ostream* out) {
  *out << size.width() << " x " << size.height();
}

// The picture with its colours reduced to 24-bit RGB, as a BMP file holds them.
inline QImage asRgb(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}
