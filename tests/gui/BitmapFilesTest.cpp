// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "ImageChecks.h"
#include "artwork/Artwork.h"
#include "artwork/BitmapFiles.h"

namespace {

// Runs the tool once into a temporary folder that every test of the suite reads.
class BitmapFilesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<QTemporaryDir>();
    QProcess tool;
    tool.start(QStringLiteral(MRL770_ARTWORK_TOOL), {folder_->path()});
    toolFinished_ =
        tool.waitForFinished() && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
  }
  static void TearDownTestSuite() { folder_.reset(); }

  static std::unique_ptr<QTemporaryDir> folder_;
  static bool toolFinished_;
};

std::unique_ptr<QTemporaryDir> BitmapFilesTest::folder_;
bool BitmapFilesTest::toolFinished_ = false;

TEST_F(BitmapFilesTest, ToolWritesExactlyTheNamedFiles) {
  ASSERT_TRUE(toolFinished_);
  QStringList expected;
  // A name given twice is written once, and so fails too.
  for (const artwork::BitmapFile& file : artwork::bitmapFiles()) {
    expected << QString::fromLatin1(file.fileName);
  }
  expected.sort();
  const QStringList written = QDir(folder_->path()).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(written.join(QLatin1Char(' ')).toStdString(),
            expected.join(QLatin1Char(' ')).toStdString());
}

TEST_F(BitmapFilesTest, EveryFileIsA24BitBmpOfItsPicture) {
  ASSERT_TRUE(toolFinished_);
  for (const artwork::BitmapFile& file : artwork::bitmapFiles()) {
    SCOPED_TRACE(file.fileName);
    const QString path = QDir(folder_->path()).filePath(QString::fromLatin1(file.fileName));
    QFile bytes(path);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    const QByteArray header = bytes.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    const int bitsPerPixel =
        static_cast<unsigned char>(header[28]) | static_cast<unsigned char>(header[29]) << 8;
    EXPECT_EQ(bitsPerPixel, 24);

    EXPECT_TRUE(asRgb(QImage(path)) == asRgb(artwork::draw(file.picture)));
  }
}

}  // namespace
