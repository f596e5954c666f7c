// SPDX-License-Identifier: Apache-2.0
#include "app/PictureFolder.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include "app/RegularFile.h"
#include "artwork/BitmapFiles.h"
#include "artwork/ReadyPictures.h"

namespace app {

namespace {

template <typename T>
T field(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<T>(bytes.constData() + offset);
}

constexpr quint32 kUncompressed = 0;

qint64 rowBytes(qint64 width, qint64 bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

// A bitmap whose header is one the windows can show. Sizes are taken to 64 bits and bounded
// before any product: a crafted header cannot overflow the check (a height of INT_MIN has no
// 32-bit magnitude). Qt's reader accepts a bitmap whose pixel rows stop short and shows the
// missing part as garbage, so uncompressed bitmaps must hold every row their header promises.
bool showableBitmap(const QByteArray& bytes) {
  constexpr int kFileHeaderSize = 14;
  // Bitmaps of 24 bits a pixel carry this info header or a longer one; the older 12-byte
  // header keeps its sizes elsewhere.
  constexpr quint32 kInfoHeaderSize = 40;
  if (bytes.size() < kFileHeaderSize + qint64{kInfoHeaderSize} || !bytes.startsWith("BM")) {
    return false;
  }
  if (field<quint32>(bytes, 14) < kInfoHeaderSize) return false;
  const qint64 width = field<qint32>(bytes, 18);
  const qint64 height = qAbs(qint64{field<qint32>(bytes, 22)});  // negative: top-down rows
  if (width < 1 || width > kMaxBitmapSide || height < 1 || height > kMaxBitmapSide) return false;

  constexpr quint32 kBitFields = 3;
  const quint32 compression = field<quint32>(bytes, 30);
  if (compression != kUncompressed && compression != kBitFields) return true;
  const qint64 bitsPerPixel = field<quint16>(bytes, 28);
  return qint64{field<quint32>(bytes, 10)} + rowBytes(width, bitsPerPixel) * height <= bytes.size();
}

// The program's own bitmaps, uncompressed at 24 bits a pixel, taken pixel for pixel as Qt's
// reader takes them, in a fraction of its time. Null for any other kind of bitmap. The bitmap
// must be showable.
QImage uncompressed24Bits(const QByteArray& bytes) {
  if (field<quint16>(bytes, 28) != 24 || field<quint32>(bytes, 30) != kUncompressed) return {};
  const qint32 width = field<qint32>(bytes, 18);
  const qint32 height = qAbs(field<qint32>(bytes, 22));
  const bool bottomUp = field<qint32>(bytes, 22) > 0;  // the bottom row stored first
  const auto* rows = reinterpret_cast<const uchar*>(bytes.constData()) + field<quint32>(bytes, 10);
  QImage image(width, height, QImage::Format_RGB32);
  for (qint32 y = 0; y < height; ++y) {
    const uchar* from = rows + rowBytes(width, 24) * (bottomUp ? height - 1 - y : y);
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    // Blue, green and red, read as one little-endian word with the next pixel's blue, which
    // the mask drops; the row's last pixel is read byte by byte, as it may end the file.
    for (qint32 x = 0; x < width - 1; ++x, from += 3) {
      to[x] = 0xff000000u | (qFromLittleEndian<quint32>(from) & 0x00ffffffu);
    }
    to[width - 1] = qRgb(from[2], from[1], from[0]);
  }
  return image;
}

}  // namespace

bool PictureFolder::load(artwork::Picture picture, QPixmap& shown) const {
  const char* fileName = artwork::fileNameOf(picture);
  if (!fileName) return false;
  if (onRead) onRead(QString::fromLatin1(fileName));
  const std::optional<QByteArray> bytes =
      readRegularFile(folder_ + QLatin1Char('/') + QLatin1String(fileName), kMaxBitmapFileBytes);
  if (!bytes || !showableBitmap(*bytes)) return false;
  if (const QImage image = uncompressed24Bits(*bytes); !image.isNull()) {
    shown = QPixmap::fromImage(image);
    return true;
  }
  // Read as BMP outright: asking every image plugin whether it knows the bytes would load
  // the plugins, and the libraries behind them, on the first picture read.
  QBuffer buffer;
  buffer.setData(*bytes);
  QImageReader reader(&buffer, "BMP");
  reader.setAutoDetectImageFormat(false);
  QImage image;
  if (!reader.read(&image)) return false;
  shown = QPixmap::fromImage(image);
  return true;
}

QPixmap builtIn(artwork::Picture picture, qreal ratio) {
  return QPixmap::fromImage(artwork::readyPicture(picture, ratio));
}

}  // namespace app
