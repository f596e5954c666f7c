// SPDX-License-Identifier: Apache-2.0
#include <QComboBox>

#include "UserInput.h"
#include "app/PictureFolder.h"
#include "app/frmConfigUtility.h"
#include "cups/PrivateCups.h"
#include "fakes/Bytes.h"
#include "fakes/FakeSleeper.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "features/FeaturesPages.h"
#include "features/PrintFeatures.h"
#include "platform/cups/CupsSpooler.h"

namespace {

// The configuration window on the real spooler against a private scheduler, with the bitmap
// files the build wrote beside the test program.
class WindowsAgainstCups : public PrivateCupsTest, protected UserInput {
 protected:
  void SetUp() override {
    PrivateCupsTest::SetUp();
    cups().addQueue("Zel_MRL_770");
    window.show();
  }

  void ctrl(Qt::Key key, char control) {
    chord(window, Qt::ControlModifier, key, QString(QChar(control)));
  }

  platform::cups::CupsSpooler spooler;
  ScriptedMessageBoxes boxes;
  FakeSleeper sleeper;
  platform::Platform platform{spooler, boxes, sleeper};
  app::PictureFolder pictures{QCoreApplication::applicationDirPath()};
  frmConfigUtility window{platform, pictures};
};

TEST_F(WindowsAgainstCups, CtrlAWithOkPrintsTheDefaultsSettingsCommand) {
  ctrl(Qt::Key_A, '\x01');
  ASSERT_EQ(1u, boxes.shown.size());  // the readiness prompt only
  const auto jobs = cups().jobs();
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ("Permanent Settings Configuration", jobs[0].name);
  EXPECT_EQ(kDefaultSettingsCommandHex, hex(cups().printed(jobs[0].id)));
}

TEST_F(WindowsAgainstCups, IbmChosenThenCtrlPPrintsTheIbmPage) {
  auto& emulation = *window.findChild<QComboBox*>(QStringLiteral("cmbEmulation"));
  emulation.setFocus();
  QTest::keyClick(&emulation, Qt::Key_Up);
  ASSERT_EQ(QStringLiteral("IBM"), emulation.currentText());

  ctrl(Qt::Key_P, '\x10');
  const auto jobs = cups().jobs();
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ(features::kIbmDocumentName, jobs[0].name);
  const features::FeaturesPage page = features::ibmFeaturesPage();
  EXPECT_EQ(hex(page.title + page.body), hex(cups().printed(jobs[0].id)));
}

}  // namespace
