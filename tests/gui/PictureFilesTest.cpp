// SPDX-License-Identifier: Apache-2.0
#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QtEndian>

#include "ImageChecks.h"
#include "WindowFixture.h"

namespace {

using artwork::Picture;

QByteArray bytesOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(content) == content.size();
}

template <typename T>
QByteArray withField(QByteArray bytes, int offset, T value) {
  qToLittleEndian(value, bytes.data() + offset);
  return bytes;
}

QImage rgb(const QPixmap& picture) {
  return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

// One way a bitmap file can be unfit to show: how to put it in place of a good file.
struct Spoilt {
  const char* name;
  bool (*make)(const QString& path, const QByteArray& goodBitmap);
};

const Spoilt kSpoilt[] = {
    {"Missing", [](const QString& path, const QByteArray&) { return QFile::remove(path); }},
    {"Empty", [](const QString& path, const QByteArray&) { return writeFile(path, {}); }},
    {"Garbage",
     [](const QString& path, const QByteArray&) {
       return writeFile(path, QByteArray("BM") + QByteArray(198, '\xA5'));
     }},
    {"Truncated",
     [](const QString& path, const QByteArray& good) {
       return writeFile(path, good.left(good.size() / 2));
     }},
    {"Fifo",
     [](const QString& path, const QByteArray&) {
       return QFile::remove(path) && mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
     }},
    {"LinkToDevZero",
     [](const QString& path, const QByteArray&) {
       return QFile::remove(path) && QFile::link(QStringLiteral("/dev/zero"), path);
     }},
    // A good picture with a sparse tail: only the size cap keeps it from being shown.
    {"OverTheSizeCap",
     [](const QString& path, const QByteArray& good) {
       QFile file(path);
       return writeFile(path, good) && file.resize(app::kMaxBitmapFileBytes + 1);
     }},
    {"IntMinHeight",
     [](const QString& path, const QByteArray& good) {
       return writeFile(path, withField<quint32>(good, 22, 0x80000000u));
     }},
    {"Directory", [](const QString& path,
                     const QByteArray&) { return QFile::remove(path) && QDir().mkdir(path); }},
};

class PictureFiles : public WindowTest, public testing::WithParamInterface<Spoilt> {
 protected:
  QString pathOf(Picture picture) {
    return folder.filePath(QLatin1String(artwork::fileNameOf(picture)));
  }
  void spoil(Picture picture) {
    const QString path = pathOf(picture);
    ASSERT_TRUE(GetParam().make(path, bytesOf(path))) << artwork::fileNameOf(picture);
  }
};

// The spoilt files are the start-up caption, a hover picture of both windows and a normal
// picture of the features window. Every other file is good, and Print Features' normal file
// holds a plain picture of its own, so that a hover that keeps it shows.
TEST_P(PictureFiles, TheWindowsOpenAndWorkAndKeepThePictureShown) {
  const Picture spoilt[] = {Picture::LeftCaptionsEscP, Picture::PrintFeaturesHover,
                            Picture::CloseNormal};
  for (Picture picture : spoilt) spoil(picture);
  QImage plain(128, 26, QImage::Format_RGB32);
  plain.fill(Qt::darkGreen);
  ASSERT_TRUE(plain.save(pathOf(Picture::PrintFeaturesNormal), "BMP"));

  frmConfigUtility& w = window();
  QLabel& captions = control<QLabel>("Atribute1");
  EXPECT_EQ(asRgb(artwork::draw(Picture::LeftCaptionsEscP)), rgb(captions.pixmap()));
  chord(w, Qt::AltModifier, Qt::Key_M, QStringLiteral("m"));
  ASSERT_EQ(&combo("cmbEmulation"), w.focusWidget());
  QTest::keyClick(&combo("cmbEmulation"), Qt::Key_Up);  // "IBM", from its good file
  const QImage ibm = rgb(captions.pixmap());
  EXPECT_EQ(asRgb(artwork::draw(Picture::LeftCaptionsIbm)), ibm);
  QTest::keyClick(&combo("cmbEmulation"), Qt::Key_Down);  // "ESC/P", from the spoilt file
  EXPECT_EQ(ibm, rgb(captions.pixmap()));

  moveOver(control("imgBackground"));
  moveOver(control("imgPFeatures"));
  EXPECT_EQ(plain, rgb(picture(w, "imgPFeatures").picture()));

  chord(w, Qt::ControlModifier, Qt::Key_S, QString(QChar(0x13)));
  ASSERT_NE(nullptr, w.features());
  frmFeatures& f = *w.features();
  EXPECT_TRUE(f.isVisible());
  moveOver(child(f, "imgBackground"));
  EXPECT_EQ(asRgb(artwork::draw(Picture::CloseNormal)), rgb(picture(f, "imgClose").picture()));
  moveOver(child(f, "imgPrintFeatures"));
  EXPECT_EQ(plain, rgb(picture(f, "imgPrintFeatures").picture()));
  chord(f, Qt::ControlModifier, Qt::Key_C, QString(QChar(0x03)));
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(w.isVisible());

  for (Picture picture : spoilt)
    EXPECT_TRUE(reads.contains(QLatin1String(artwork::fileNameOf(picture))));
}

std::string rowName(const testing::TestParamInfo<Spoilt>& row) {
  return row.param.name;
}
INSTANTIATE_TEST_SUITE_P(EveryUnfitFile, PictureFiles, testing::ValuesIn(kSpoilt), rowName);

class PictureLoader : public WindowTest {};

// Headers that are whole and well formed but promise what the file or the windows cannot hold.
TEST_F(PictureLoader, RefusesHeadersBeyondTheFileOrAnyButton) {
  const Picture test = Picture::ExitHover;
  const QString path = folder.filePath(QLatin1String(artwork::fileNameOf(test)));
  const QByteArray bitmap = bytesOf(path);
  ASSERT_FALSE(bitmap.isEmpty());
  QImage wide(static_cast<int>(app::kMaxBitmapSide) + 1, 1, QImage::Format_RGB888);
  wide.fill(Qt::white);
  QByteArray wideBitmap;
  QBuffer buffer(&wideBitmap);
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && wide.save(&buffer, "BMP"));
  struct Case {
    const char* name;
    QByteArray content;
  };
  const Case cases[] = {
      {"header only", bitmap.left(54)},
      {"one row short", bitmap.left(bitmap.size() - 1)},
      {"wider than any button", wideBitmap},
      // Sides whose product overflows 64 bits: refused before multiplying.
      {"huge sides", withField<quint16>(withField<qint32>(withField<qint32>(bitmap, 18, 0x7FFFFFFF),
                                                          22, 0x7FFFFFFF),
                                        28, 0xFFFF)},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(writeFile(path, c.content)) << c.name;
    QPixmap shown(3, 3);
    EXPECT_FALSE(pictures.load(test, shown)) << c.name;
    EXPECT_EQ(QSize(3, 3), shown.size()) << c.name;
  }
  ASSERT_TRUE(writeFile(path, bitmap));
  QPixmap shown;
  EXPECT_TRUE(pictures.load(test, shown));
  EXPECT_EQ(QSize(128, 26), shown.size());
  EXPECT_FALSE(pictures.load(Picture::WindowIcon, shown));  // built in only, no file
}

// The same bitmap with its rows stored top row first, as a negative height says.
QByteArray topDown(const QByteArray& bitmap) {
  const qint32 offset = qFromLittleEndian<qint32>(bitmap.constData() + 10);
  const qint32 height = qFromLittleEndian<qint32>(bitmap.constData() + 22);
  const qsizetype rowBytes = (bitmap.size() - offset) / height;
  QByteArray flipped = withField<qint32>(bitmap.left(offset), 22, -height);
  for (qint32 row = height - 1; row >= 0; --row)
    flipped += bitmap.mid(offset + row * rowBytes, rowBytes);
  return flipped;
}

// Bitmaps of 24 bits a pixel, the program's own, are read without Qt's reader: they must show
// exactly as that reader shows them. Captions are 131 pixels wide, so their rows are padded.
TEST_F(PictureLoader, ShowsBitmapsAsQtReadsThem) {
  for (const Picture test : {Picture::LeftCaptionsEscP, Picture::ExitHover}) {
    const QString path = folder.filePath(QLatin1String(artwork::fileNameOf(test)));
    const QByteArray bitmap = bytesOf(path);
    for (const QByteArray& content : {bitmap, topDown(bitmap)}) {
      ASSERT_TRUE(writeFile(path, content));
      QPixmap shown;
      ASSERT_TRUE(pictures.load(test, shown));
      EXPECT_EQ(QPixmap::fromImage(QImage::fromData(content, "BMP")).toImage(), shown.toImage())
          << artwork::fileNameOf(test) << (content == bitmap ? "" : " top down");
    }
  }
}

}  // namespace
