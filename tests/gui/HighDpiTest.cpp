// SPDX-License-Identifier: Apache-2.0
#include <QLabel>

#include "WindowFixture.h"

namespace {

// A screen of two device pixels to each pixel of the layout, set before the application starts.
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

struct ShownPicture {
  const char* window;
  const char* control;
  QSize size;  // in pixels of the layout
};

// The built-in pictures, and Atribute1, which shows its bitmap file from the start.
const ShownPicture kPictures[] = {
    {"frmConfigUtility", "imgBackground", {726, 357}},
    {"frmConfigUtility", "imgApplySettings", {128, 26}},
    {"frmConfigUtility", "imgExit", {128, 26}},
    {"frmConfigUtility", "Picture1", {204, 16}},
    {"frmConfigUtility", "Atribute1", {131, 250}},
    {"frmConfigUtility", "Picture3", {131, 265}},
    {"frmConfigUtility", "imgWarning", {346, 34}},
    {"frmFeatures", "imgBackground", {738, 455}},
    {"frmFeatures", "imgPrintFeatures", {128, 26}},
    {"frmFeatures", "imgClose", {126, 24}},
};

// True when every pixel of the picture is repeated in a 2 x 2 block, as a picture scaled up
// without smoothing is.
bool pixelsRepeated(const QImage& image) {
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb first = image.pixel(x, y);
      if (image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first ||
          image.pixel(x + 1, y + 1) != first) {
        return false;
      }
    }
  }
  return true;
}

using HighDpi = WindowTest;

TEST_F(HighDpi, WindowsKeepTheirLayoutAndShowTheirPicturesAtTheScreensRatio) {
  ASSERT_TRUE(kScaled);
  ASSERT_EQ(2, window().devicePixelRatio());
  EXPECT_EQ(QSize(726, 356), window().size());
  // The wait notice gets its picture when it is first shown.
  window().showWaitNotice();
  EXPECT_EQ(QRect(596, 288, 128, 26), control("imgExit").geometry());
  window().showFeatures(platform::kLeftButton);
  EXPECT_EQ(QSize(736, 453), window().features()->size());

  for (const ShownPicture& p : kPictures) {
    SCOPED_TRACE(p.control);
    QWidget& owner = window().objectName() == QLatin1String(p.window)
                         ? static_cast<QWidget&>(window())
                         : *window().features();
    QWidget& shown = child(owner, p.control);
    const auto* panel = qobject_cast<QLabel*>(&shown);
    const QPixmap pixmap =
        panel ? panel->pixmap() : static_cast<app::SurfacePicture&>(shown).picture();
    EXPECT_EQ(2, pixmap.devicePixelRatio());
    EXPECT_EQ(p.size * 2, pixmap.size());
  }
  EXPECT_FALSE(pixelsRepeated(control<QLabel>("Atribute1").pixmap().toImage()));
}

TEST_F(HighDpi, HoverPicturesFromFilesAreScaledSmoothly) {
  moveOver(control("imgBackground"));
  moveOver(control("imgApplySettings"));
  const QPixmap& hover = picture(window(), "imgApplySettings").picture();
  EXPECT_EQ(2, hover.devicePixelRatio());
  EXPECT_EQ(QSize(256, 52), hover.size());
  EXPECT_FALSE(pixelsRepeated(hover.toImage()));
}

}  // namespace
