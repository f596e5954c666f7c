#include <QFile>
#include <QLabel>

#include "WindowFixture.h"

namespace {

class PictureFiles : public WindowTest {
 protected:
  void spoil(const char* name, const QByteArray& content) {
    QFile file(folder.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
  }
  QByteArray bytesOf(const char* name) {
    QFile file(folder.filePath(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static QImage rgb(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
  }
  static QImage builtIn(artwork::Picture picture) {
    return artwork::draw(picture).convertToFormat(QImage::Format_RGB32);
  }
};

TEST_F(PictureFiles, UnreadableFilesKeepThePictureShownAndTheWindowsWork) {
  const QByteArray bitmap = bytesOf("Apply_Settings1.bmp");
  QFile::remove(folder.filePath("Atribute1.bmp"));
  spoil("Apply_Settings1.bmp", QByteArray());
  spoil("Restore_Default1.bmp", "BM this is no bitmap at all");
  spoil("Exit_Button1.bmp", bitmap.left(bitmap.size() / 2));
  QFile::remove(folder.filePath("Print_Features2.bmp"));
  QFile::remove(folder.filePath("Close_Button1.bmp"));

  frmConfigUtility& w = window();
  EXPECT_EQ(builtIn(artwork::Picture::LeftCaptionsEscP),
            rgb(control<QLabel>("Atribute1").pixmap()));

  moveOver(control("imgBackground"));
  EXPECT_EQ(5, reads.size());
  EXPECT_EQ(builtIn(artwork::Picture::ApplySettingsNormal),
            rgb(picture(w, "imgApplySettings").picture()));
  EXPECT_EQ(builtIn(artwork::Picture::RestoreDefaultNormal),
            rgb(picture(w, "imgDefault").picture()));
  EXPECT_EQ(builtIn(artwork::Picture::ExitNormal), rgb(picture(w, "imgExit").picture()));
  moveOver(control("imgPFeatures"));
  EXPECT_EQ(builtIn(artwork::Picture::PrintFeaturesNormal),
            rgb(picture(w, "imgPFeatures").picture()));

  w.showFeatures(platform::kLeftButton);
  frmFeatures& f = *w.features();
  moveOver(child(f, "imgBackground"));
  EXPECT_EQ(builtIn(artwork::Picture::CloseNormal), rgb(picture(f, "imgClose").picture()));
  f.closeFeatures(platform::kLeftButton);

  // Still every action works.
  w.applySettings(platform::kLeftButton);
  EXPECT_EQ(1u, spooler.written.size());
}

TEST_F(PictureFiles, TheLoaderRefusesEveryKindOfBrokenBitmap) {
  const QByteArray bitmap = bytesOf("Exit_Button2.bmp");
  ASSERT_FALSE(bitmap.isEmpty());
  struct Case {
    const char* name;
    QByteArray content;
  };
  const Case cases[] = {
      {"empty", QByteArray()},
      {"corrupt", QByteArray(200, 'x')},
      {"header only", bitmap.left(54)},
      {"one row short", bitmap.left(bitmap.size() - 1)},
  };
  const artwork::Picture test = artwork::Picture::ExitHover;
  for (const Case& c : cases) {
    spoil(artwork::fileNameOf(test), c.content);
    QPixmap shown(3, 3);
    shown.fill(Qt::red);
    EXPECT_FALSE(pictures.load(test, shown)) << c.name;
    EXPECT_EQ(QSize(3, 3), shown.size()) << c.name;
  }
  QPixmap shown;
  EXPECT_FALSE(pictures.load(artwork::Picture::WindowIcon, shown));  // has no file
  spoil(artwork::fileNameOf(test), bitmap);
  EXPECT_TRUE(pictures.load(test, shown));
  EXPECT_EQ(QSize(128, 26), shown.size());
}

}  // namespace
