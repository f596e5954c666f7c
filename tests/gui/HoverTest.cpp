// SPDX-License-Identifier: Apache-2.0
#include <QLabel>

#include "WindowFixture.h"

namespace {

class Hover : public WindowTest {
 protected:
  QImage fileImage(const char* name) {
    return QImage(folder.filePath(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
  }
  static QImage shown(const app::SurfacePicture& picture) {
    return picture.picture().toImage().convertToFormat(QImage::Format_RGB32);
  }
};

TEST_F(Hover, BackgroundReloadsTheNormalPicturesInOrderOnceAndAButtonItsHoverPictureOnce) {
  frmConfigUtility& w = window();
  moveOver(control("imgBackground"));
  EXPECT_EQ(QStringList({"Apply_Settings1.bmp", "Restore_Default1.bmp", "Exit_Button1.bmp",
                         "Print_Features1.bmp", "Show_Features1.bmp"}),
            reads);
  EXPECT_EQ(-1, w.blnButtonsNormal());

  reads.clear();
  moveOver(control("imgBackground"));
  EXPECT_TRUE(reads.isEmpty());

  moveOver(control("imgPFeatures"));
  moveOver(control("imgPFeatures"));
  EXPECT_EQ(QStringList({"Print_Features2.bmp"}), reads);
  EXPECT_EQ(0, w.blnButtonsNormal());
  EXPECT_EQ(fileImage("Print_Features2.bmp"), shown(picture(w, "imgPFeatures")));
}

TEST_F(Hover, NoButtonChangesUnderThePointerBeforeItHasCrossedTheBackground) {
  frmConfigUtility& w = window();
  const QImage builtIn = shown(picture(w, "imgDefault"));
  moveOver(control("imgDefault"));
  EXPECT_TRUE(reads.isEmpty());
  EXPECT_EQ(builtIn, shown(picture(w, "imgDefault")));
}

TEST_F(Hover, StraightFromOneButtonOntoAnotherLeavesTheFirstHoveredAndTheSecondNormal) {
  frmConfigUtility& w = window();
  moveOver(control("imgBackground"));
  moveOver(control("imgSFeatures"));
  reads.clear();
  moveOver(control("imgExit"));
  EXPECT_TRUE(reads.isEmpty());
  EXPECT_EQ(fileImage("Show_Features2.bmp"), shown(picture(w, "imgSFeatures")));
  EXPECT_EQ(fileImage("Exit_Button1.bmp"), shown(picture(w, "imgExit")));
}

TEST_F(Hover, MovesArriveThroughTheWindowWithNoButtonPressed) {
  frmConfigUtility& w = window();
  QTest::mouseMove(&w, QPoint(300, 340));  // the bottom bar of the background
  QTest::mouseMove(&w, QPoint(650, 181));  // Apply Settings
  EXPECT_EQ(QStringList({"Apply_Settings1.bmp", "Restore_Default1.bmp", "Exit_Button1.bmp",
                         "Print_Features1.bmp", "Show_Features1.bmp", "Apply_Settings2.bmp"}),
            reads);
}

TEST_F(Hover, DisabledPicturesDoNotAnswerTheMouse) {
  frmConfigUtility& w = window();
  w.setBackgroundEnabled(false);
  w.setApplySettingsEnabled(false);
  moveOver(control("imgBackground"));
  release(control("imgApplySettings"), Qt::LeftButton);
  EXPECT_TRUE(reads.isEmpty());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(0, w.blnButtonsNormal());
}

TEST_F(Hover, FeaturesWindowReloadsCloseThenPrintFeatures) {
  window().showFeatures(platform::kLeftButton);
  frmFeatures& f = *window().features();
  reads.clear();
  moveOver(child(f, "imgBackground"));
  EXPECT_EQ(QStringList({"Close_Button1.bmp", "Print_Features1.bmp"}), reads);
  reads.clear();
  moveOver(child(f, "imgClose"));
  moveOver(child(f, "imgPrintFeatures"));
  EXPECT_EQ(QStringList({"Close_Button2.bmp"}), reads);
  EXPECT_EQ(fileImage("Close_Button2.bmp"), shown(picture(f, "imgClose")));
  EXPECT_EQ(fileImage("Print_Features1.bmp"), shown(picture(f, "imgPrintFeatures")));
}

TEST_F(Hover, OnlyTheLeftButtonRunsAnAction) {
  frmConfigUtility& w = window();
  const char* buttons[] = {"imgApplySettings", "imgDefault", "imgSFeatures", "imgPFeatures",
                           "imgExit"};
  for (const char* name : buttons) {
    release(control(name), Qt::RightButton);
    release(control(name), Qt::MiddleButton);
  }
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(w.isVisible());

  boxes.answers = {platform::Answer::Cancel};
  release(control("imgPFeatures"), Qt::LeftButton);
  ASSERT_EQ(1u, boxes.shown.size());
  EXPECT_EQ(platform::kOkCancelInformation, boxes.shown[0].style);
}

}  // namespace
