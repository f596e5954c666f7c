// SPDX-License-Identifier: Apache-2.0
#include <QPointer>
#include <QSignalSpy>

#include "WindowFixture.h"

namespace {

using Lifecycle = WindowTest;

TEST_F(Lifecycle, ExitWithYesEndsAtOnceWithOnePromptAndTakesTheFeaturesWindowAlong) {
  frmConfigUtility& w = window();
  w.showFeatures(platform::kLeftButton);
  QPointer<frmFeatures> features = w.features();
  features->closeFeatures(platform::kLeftButton);
  QSignalSpy ended(&w, &frmConfigUtility::programEnded);

  w.exitProgram(platform::kLeftButton);
  ASSERT_EQ(1u, boxes.shown.size());
  EXPECT_EQ("Are you sure to quit from this application?", boxes.shown[0].text);
  EXPECT_EQ("Printer Configuration Utility", boxes.shown[0].title);
  EXPECT_EQ(platform::kYesNoQuestion, boxes.shown[0].style);
  EXPECT_EQ(1, ended.count());
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(features.isNull());
}

TEST_F(Lifecycle, ExitWithNoChangesNothing) {
  boxes.answers = {platform::Answer::No};
  QSignalSpy ended(&window(), &frmConfigUtility::programEnded);
  window().exitProgram(platform::kLeftButton);
  EXPECT_EQ(0, ended.count());
  EXPECT_TRUE(window().isVisible());
}

TEST_F(Lifecycle, ClosingWithNoLeavesTheWindowOpenAsItWas) {
  combo("cmbLPI").setFocus();
  QTest::keyClick(&combo("cmbLPI"), Qt::Key_Down);
  const settings::Selections before = window().selectionBoxes().selections();
  boxes.answers = {platform::Answer::No};
  QSignalSpy ended(&window(), &frmConfigUtility::programEnded);

  EXPECT_FALSE(window().close());
  EXPECT_EQ(1u, boxes.shown.size());
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(before, window().selectionBoxes().selections());
  EXPECT_EQ(1, combo("cmbLPI").currentIndex());
  EXPECT_EQ(0, ended.count());
}

TEST_F(Lifecycle, ClosingWithYesAfterAVisitToTheFeaturesWindowEndsTheProgram) {
  frmConfigUtility& w = window();
  w.showFeatures(platform::kLeftButton);
  QPointer<frmFeatures> features = w.features();
  features->closeFeatures(platform::kLeftButton);
  ASSERT_TRUE(w.isVisible());
  QSignalSpy ended(&w, &frmConfigUtility::programEnded);

  EXPECT_TRUE(w.close());
  EXPECT_EQ(1u, boxes.shown.size());
  EXPECT_EQ(1, ended.count());
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(features.isNull());
}

TEST_F(Lifecycle, CloseKeepsTheFeaturesWindowAndClosingItLoadsANewOne) {
  frmConfigUtility& w = window();
  w.showFeatures(platform::kLeftButton);
  EXPECT_FALSE(w.isVisible());
  QPointer<frmFeatures> first = w.features();
  ASSERT_TRUE(first->isVisible());
  moveOver(child(*first, "imgBackground"));
  moveOver(child(*first, "imgClose"));
  const QImage hovered = picture(*first, "imgClose").picture().toImage();
  ASSERT_EQ(0, first->blnButtonsNormal());

  first->closeFeatures(platform::kLeftButton);
  EXPECT_FALSE(first->isVisible());
  EXPECT_TRUE(w.isVisible());

  w.showFeatures(platform::kLeftButton);
  EXPECT_EQ(first.data(), w.features());
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(0, first->blnButtonsNormal());
  EXPECT_EQ(hovered, picture(*first, "imgClose").picture().toImage());

  EXPECT_TRUE(first->close());
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(boxes.shown.empty());

  reads.clear();
  w.showFeatures(platform::kLeftButton);
  EXPECT_TRUE(first.isNull());
  frmFeatures& second = *w.features();
  EXPECT_TRUE(second.isVisible());
  EXPECT_EQ(0, second.blnButtonsNormal());
  EXPECT_EQ(artwork::draw(artwork::Picture::CloseNormal).convertToFormat(QImage::Format_RGB32),
            picture(second, "imgClose").picture().toImage().convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(reads.isEmpty());
}

TEST_F(Lifecycle, TheConfigurationWindowKeepsItsHoverStateWhileHidden) {
  frmConfigUtility& w = window();
  moveOver(control("imgBackground"));
  moveOver(control("imgSFeatures"));
  w.showFeatures(platform::kLeftButton);
  w.features()->closeFeatures(platform::kLeftButton);
  EXPECT_EQ(0, w.blnButtonsNormal());
  reads.clear();
  moveOver(control("imgSFeatures"));
  EXPECT_TRUE(reads.isEmpty());
}

}  // namespace
