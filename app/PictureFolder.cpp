#include "app/PictureFolder.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace app {

namespace {

template <typename T>
T field(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<T>(bytes.constData() + offset);
}

// Qt's reader accepts a bitmap whose pixel rows stop short and shows the missing part as
// garbage, so uncompressed bitmaps must hold every row their header promises.
bool holdsAllRows(const QByteArray& bytes) {
  constexpr int kHeadersSize = 54;
  if (bytes.size() < kHeadersSize || !bytes.startsWith("BM")) return false;
  constexpr quint32 kUncompressed = 0;
  constexpr quint32 kBitFields = 3;
  const quint32 compression = field<quint32>(bytes, 30);
  if (compression != kUncompressed && compression != kBitFields) return true;
  const qint64 width = field<qint32>(bytes, 18);
  const qint64 height = qAbs(field<qint32>(bytes, 22));
  const qint64 bitsPerPixel = field<quint16>(bytes, 28);
  const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
  return field<quint32>(bytes, 10) + rowBytes * height <= bytes.size();
}

}  // namespace

bool PictureFolder::load(const char* fileName, QPixmap& picture) const {
  if (onRead) onRead(QString::fromLatin1(fileName));
  QFile file(folder_ + QLatin1Char('/') + QLatin1String(fileName));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (!holdsAllRows(bytes)) return false;
  QImage image;
  if (!image.loadFromData(bytes, "BMP")) return false;
  picture = QPixmap::fromImage(image);
  return true;
}

QPixmap builtIn(artwork::Picture picture, qreal ratio) {
  return QPixmap::fromImage(artwork::draw(picture, ratio));
}

}  // namespace app
