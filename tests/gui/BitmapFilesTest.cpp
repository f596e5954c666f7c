#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "ImageChecks.h"
#include "artwork/Artwork.h"

namespace {

using artwork::Picture;

struct FileCase {
  const char* fileName;
  Picture picture;
  QSize size;
};

const FileCase kFiles[] = {
    {"Apply_Settings1.bmp", Picture::ApplySettingsNormal, {128, 26}},
    {"Apply_Settings2.bmp", Picture::ApplySettingsHover, {128, 26}},
    {"Restore_Default1.bmp", Picture::RestoreDefaultNormal, {128, 26}},
    {"Restore_Default2.bmp", Picture::RestoreDefaultHover, {128, 26}},
    {"Show_Features1.bmp", Picture::ShowFeaturesNormal, {128, 26}},
    {"Show_Features2.bmp", Picture::ShowFeaturesHover, {128, 26}},
    {"Print_Features1.bmp", Picture::PrintFeaturesNormal, {128, 26}},
    {"Print_Features2.bmp", Picture::PrintFeaturesHover, {128, 26}},
    {"Exit_Button1.bmp", Picture::ExitNormal, {128, 26}},
    {"Exit_Button2.bmp", Picture::ExitHover, {128, 26}},
    {"Close_Button1.bmp", Picture::CloseNormal, {126, 24}},
    {"Close_Button2.bmp", Picture::CloseHover, {126, 24}},
    {"Atribute1.bmp", Picture::LeftCaptionsEscP, {131, 250}},
    {"Atribute11.bmp", Picture::LeftCaptionsIbm, {131, 250}},
};

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
  for (const FileCase& file : kFiles) expected << QString::fromLatin1(file.fileName);
  expected.sort();
  const QStringList written = QDir(folder_->path()).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(written.join(QLatin1Char(' ')).toStdString(),
            expected.join(QLatin1Char(' ')).toStdString());
}

TEST_F(BitmapFilesTest, EveryFileIsA24BitBmpOfItsPicture) {
  ASSERT_TRUE(toolFinished_);
  for (const FileCase& file : kFiles) {
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

    const QImage loaded(path);
    EXPECT_EQ(loaded.size(), file.size);
    EXPECT_TRUE(asRgb(loaded) == asRgb(artwork::draw(file.picture)));
  }
}

}  // namespace
