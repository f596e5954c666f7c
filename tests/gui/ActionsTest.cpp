// SPDX-License-Identifier: Apache-2.0
#include "WindowFixture.h"
#include "features/PrintFeatures.h"

namespace {

const platform::ByteString kDefaultsCommand(
    "\x1B\x19\x01\x00\x82\xB5\x00\x00\x00\x02\x0A\x20\x13\x01\x00", 15);

class Actions : public WindowTest {
 protected:
  void ctrl(QWidget& target, Qt::Key key, char control) {
    chord(target, Qt::ControlModifier, key, QString(QChar(control)));
  }
  // What the user sees of the download at this moment.
  struct Look {
    bool waitNotice;
    bool applyEnabled;
    bool backgroundEnabled;
    bool operator==(const Look& o) const {
      return waitNotice == o.waitNotice && applyEnabled == o.applyEnabled &&
             backgroundEnabled == o.backgroundEnabled;
    }
  };
  Look look() {
    return {control("imgWarning").isVisible(), control("imgApplySettings").isEnabled(),
            control("imgBackground").isEnabled()};
  }
};

TEST_F(Actions, CtrlAWithOkSendsTheDefaultsWhileTheWaitNoticeIsUp) {
  window();
  std::vector<Look> looks;
  spooler.duringCall = [&](const std::string& call) {
    if (call == "write") looks.push_back(look());
  };
  ctrl(window(), Qt::Key_A, '\x01');

  ASSERT_EQ(1u, spooler.written.size());
  EXPECT_EQ(kDefaultsCommand, spooler.written[0]);
  EXPECT_NE(spooler.calls.end(), std::find(spooler.calls.begin(), spooler.calls.end(),
                                           "startDoc Permanent Settings Configuration"));
  EXPECT_EQ(std::vector<int>{2500}, sleeper.pauses);
  ASSERT_EQ(1u, looks.size());
  EXPECT_TRUE((looks[0] == Look{true, false, false}));
  EXPECT_TRUE((look() == Look{false, true, true}));
}

TEST_F(Actions, FailuresShowTheirMessagesWithTheWindowAsTheUserSeesIt) {
  struct Case {
    const char* name;
    void (*setUp)(FakeSpooler&);
    const messages::Message& message;
    Look duringMessage;
  };
  const Case cases[] = {
      {"busy",
       [](FakeSpooler& s) { s.jobsInQueue = 1; },
       messages::printerBusy(),
       {false, true, true}},
      {"no printer",
       [](FakeSpooler& s) {
         s.defaultPrinterResult = {platform::DefaultPrinter::Status::NoPrinter, ""};
       },
       messages::noPrinter(),
       {true, false, false}},
      {"open failed",
       [](FakeSpooler& s) { s.openFails = true; },
       messages::openFailed(),
       {true, false, false}},
  };
  for (const Case& c : cases) {
    FakeSpooler fresh;
    spooler = fresh;
    boxes.shown.clear();
    c.setUp(spooler);
    std::vector<Look> looks;
    boxes.whileShown = [&](const ScriptedMessageBoxes::Shown&) { looks.push_back(look()); };
    ctrl(window(), Qt::Key_A, '\x01');
    ASSERT_EQ(2u, boxes.shown.size()) << c.name;
    EXPECT_EQ(c.message.text, boxes.shown[1].text) << c.name;
    EXPECT_EQ(c.message.title, boxes.shown[1].title) << c.name;
    EXPECT_EQ(c.message.style, boxes.shown[1].style) << c.name;
    EXPECT_TRUE(looks[1] == c.duringMessage) << c.name;
    EXPECT_TRUE(spooler.written.empty()) << c.name;
    EXPECT_TRUE((look() == Look{false, true, true})) << c.name;
  }
}

TEST_F(Actions, PrintFeaturesPrintsInTheEmulationChosenInTheWindow) {
  // "IBM" chosen as the user does, from the keyboard in the box.
  combo("cmbEmulation").setFocus();
  QTest::keyClick(&combo("cmbEmulation"), Qt::Key_Up);
  ASSERT_EQ(0, window().selectionBoxes().selection(settings::Box::Emulation));
  ASSERT_EQ(QStringLiteral("Set 1"), combo("cmbCharacterTable").currentText());

  ctrl(window(), Qt::Key_P, '\x10');
  EXPECT_NE(spooler.calls.end(), std::find(spooler.calls.begin(), spooler.calls.end(),
                                           std::string("startDoc ") + features::kIbmDocumentName));

  // The features window prints in the emulation of the hidden configuration window.
  spooler.calls.clear();
  combo("cmbEmulation").setFocus();
  QTest::keyClick(&combo("cmbEmulation"), Qt::Key_Down);
  window().showFeatures(platform::kLeftButton);
  ctrl(*window().features(), Qt::Key_P, '\x10');
  EXPECT_NE(spooler.calls.end(), std::find(spooler.calls.begin(), spooler.calls.end(),
                                           std::string("startDoc ") + features::kEscPDocumentName));
}

TEST_F(Actions, RestoreDefaultPutsTheWindowBackToItsStartUpState) {
  combo("cmbFontType").setFocus();
  QTest::keyClick(&combo("cmbFontType"), Qt::Key_Up);  // "LQ "
  combo("cmbCopyMode").setFocus();
  QTest::keyClick(&combo("cmbCopyMode"), Qt::Key_Up);  // "Enable"
  ASSERT_EQ(2, combo("cmbPitch").count());

  ctrl(window(), Qt::Key_D, '\x04');
  EXPECT_EQ(1, combo("cmbFontType").currentIndex());
  EXPECT_EQ(1, combo("cmbCopyMode").currentIndex());
  EXPECT_EQ(4, combo("cmbPitch").count());
  EXPECT_FALSE(combo("cmbNLQFontType").isEnabled());
  ASSERT_EQ(1u, spooler.written.size());
  EXPECT_EQ(kDefaultsCommand, spooler.written[0]);
}

}  // namespace
