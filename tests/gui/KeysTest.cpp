// SPDX-License-Identifier: Apache-2.0
#include <QClipboard>
#include <QContextMenuEvent>
#include <QPlainTextEdit>

#include "WindowFixture.h"

namespace {

const Qt::KeyboardModifiers kAlt = Qt::AltModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

Qt::Key keyOf(char letter) {
  return static_cast<Qt::Key>(Qt::Key_A + (letter - 'A'));
}

// The text a letter key carries: the lower-case letter, or its control character with Ctrl.
QString textOf(char letter, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::ControlModifier) return QString(QChar(letter - 'A' + 1));
  return QString(QChar(modifiers & Qt::ShiftModifier ? letter : letter - 'A' + 'a'));
}

class Keys : public WindowTest {
 protected:
  void keys(QWidget& target, Qt::KeyboardModifiers modifiers, char letter) {
    chord(target, modifiers, keyOf(letter), textOf(letter, modifiers));
  }
  QString focused() { return window().focusWidget()->objectName(); }
  // Picks an entry as the user does, with the keyboard in the box.
  void pick(const char* box, int entry) {
    combo(box).setFocus();
    while (combo(box).currentIndex() > entry) QTest::keyClick(&combo(box), Qt::Key_Up);
    while (combo(box).currentIndex() < entry) QTest::keyClick(&combo(box), Qt::Key_Down);
  }
};

TEST_F(Keys, AltLettersMoveTheFocusToTheirBoxes) {
  struct Case {
    char letter;
    const char* box;
  };
  const Case cases[] = {
      {'D', "cmbPrintingMode"}, {'H', "cmbHSD"},          {'Y', "cmbFontType"},
      {'P', "cmbPitch"},        {'F', "cmbFontLock"},     {'K', "cmbPitchLock"},
      {'A', "cmbAutoLF"},       {'M', "cmbEmulation"},    {'C', "cmbCharacterTable"},
      {'R', "cmbRollPaper"},    {'E', "cmbTearoff"},      {'N', "cmbPageLength"},
      {'S', "cmbStrobeEdge"},   {'L', "cmbLPI"},          {'Z', "cmbSlashedZero"},
      {'I', "cmbInterface"},    {'V', "cmbSkipOverPerf"}, {'O', "cmbFriction"},
  };
  const settings::Selections before = window().selectionBoxes().selections();
  for (const Case& c : cases) {
    combo("cmbCopyMode").setFocus();
    keys(window(), kAlt, c.letter);
    EXPECT_EQ(QLatin1String(c.box), focused()) << "Alt+" << c.letter;
  }
  for (char letter : {'B', 'G', 'J', 'T', 'W', 'X', 'Q', 'U'}) {
    combo("cmbCopyMode").setFocus();
    keys(window(), kAlt, letter);
    EXPECT_EQ(QStringLiteral("cmbCopyMode"), focused()) << "Alt+" << letter;
  }
  EXPECT_TRUE(boxes.shown.empty());
  // An Alt letter is no typed character: no box picks an entry by it.
  EXPECT_EQ(before, window().selectionBoxes().selections());
}

// Each box gets the letter that would pick one of its entries if it arrived as typed text.
TEST_F(Keys, AnAltLetterPicksNoEntryInTheFocusedBox) {
  struct Case {
    const char* from;
    char letter;
    const char* focusAfter;
  };
  const Case cases[] = {
      {"cmbHSD", 'E', "cmbTearoff"},                // "Enabled"
      {"cmbEmulation", 'I', "cmbInterface"},        // "IBM"
      {"cmbPrintingMode", 'U', "cmbPrintingMode"},  // "Uni-Direction"; Auto CR is disabled
      {"cmbSkipOverPerf", 'N', "cmbPageLength"},    // "None" from "1 Inch" below
  };
  pick("cmbSkipOverPerf", 0);
  const settings::Selections before = window().selectionBoxes().selections();
  for (const Case& c : cases) {
    combo(c.from).setFocus();
    keys(window(), kAlt, c.letter);
    EXPECT_EQ(QLatin1String(c.focusAfter), focused()) << "Alt+" << c.letter;
  }
  EXPECT_EQ(before, window().selectionBoxes().selections());
  EXPECT_EQ(QStringList(), reads);  // no caption picture reloaded by an emulation change
}

TEST_F(Keys, AccessKeysActWhileABoxHasItsListOpen) {
  QComboBox& interface = combo("cmbInterface");
  interface.setFocus();
  interface.showPopup();
  ASSERT_NE(nullptr, QApplication::activePopupWidget());
  keys(window(), kAlt, 'M');
  EXPECT_EQ(nullptr, QApplication::activePopupWidget());
  EXPECT_EQ(QStringLiteral("cmbEmulation"), focused());

  boxes.answers = {platform::Answer::Cancel};
  combo("cmbEmulation").showPopup();
  ASSERT_NE(nullptr, QApplication::activePopupWidget());
  keys(window(), kCtrl, 'A');
  EXPECT_EQ(nullptr, QApplication::activePopupWidget());
  ASSERT_EQ(1u, boxes.shown.size());
  EXPECT_EQ(messages::readinessPrompt().text, boxes.shown[0].text);
  EXPECT_EQ(1, window().selectionBoxes().selection(settings::Box::Emulation));
}

// A window whose key up opens another window with keys of its own, as Ctrl+S opens the
// features window.
struct WindowOpener : app::KeyPreviewHandler {
  void keyUp(char letter, Qt::KeyboardModifiers) override {
    if (letter != 'S') return;  // the Ctrl key comes up after it
    ++keyUps;
    if (!opened) opened = std::make_unique<WindowOpener>();
  }
  QWidget window;
  app::KeyPreview preview{window, *this};
  int keyUps = 0;
  std::unique_ptr<WindowOpener> opened;
};

TEST_F(Keys, AKeyUpThatOpensAWindowActsOnce) {
  WindowOpener opener;
  QTest::sendKeyEvent(QTest::Release, &opener.window, Qt::Key_S, QStringLiteral("\x13"), kCtrl);
  ASSERT_NE(nullptr, opener.opened);
  EXPECT_EQ(1, opener.keyUps);
  EXPECT_EQ(0, opener.opened->keyUps);
}

// Under a Russian layout the key gives a Cyrillic letter; the XKB key code (X11) or the virtual
// key (Windows) tells which key it is.
TEST_F(Keys, AccessKeysFollowTheKeyNotTheLayoutsLetter) {
  struct Case {
    const char* what;
    int key;
    quint32 keyCode;
    quint32 virtualKey;
    Qt::KeyboardModifiers modifiers;
    const char* focusAfter;  // null: a readiness prompt instead
  };
  const Case cases[] = {
      {"Alt + the key of A (Cyrillic EF)", 0x0424, 38, 'A', kAlt, "cmbAutoLF"},
      {"Alt + the key of M (Cyrillic soft sign)", 0x042C, 58, 'M', kAlt, "cmbEmulation"},
      {"Ctrl + the key of P (Cyrillic ZE)", 0x0417, 33, 'P', kCtrl, nullptr},
      {"Alt + a Latin M on the key of a US semicolon", Qt::Key_M, 47, 0xBA, kAlt, "cmbEmulation"},
      {"Alt + the key of 1", Qt::Key_1, 10, '1', kAlt, "cmbCopyMode"},
  };
  for (const Case& c : cases) {
    combo("cmbCopyMode").setFocus();
    boxes.answers = {platform::Answer::Cancel};
    boxes.shown.clear();
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      const QString text = QString(QChar(c.key)).toLower();
#ifdef Q_OS_WIN
      QKeyEvent event(type, c.key, c.modifiers, 0, c.virtualKey, 0, text);
#else
      QKeyEvent event(type, c.key, c.modifiers, c.keyCode, 0, 0, text);
#endif
      QApplication::sendEvent(&focusOf(window()), &event);
    }
    EXPECT_EQ(QLatin1String(c.focusAfter ? c.focusAfter : "cmbCopyMode"), focused()) << c.what;
    EXPECT_EQ(c.focusAfter ? 0u : 1u, boxes.shown.size()) << c.what;
  }
}

TEST_F(Keys, TabStillMovesTheFocusAfterCtrlAlone) {
  combo("cmbPrintingMode").setFocus();
  press(window(), Qt::Key_Control, QString(), kCtrl);
  releaseKey(window(), Qt::Key_Control, QString(), Qt::NoModifier);
  press(window(), Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier);
  EXPECT_EQ(QStringLiteral("cmbHSD"), focused());
  EXPECT_EQ(2, window().intCtrlPending());
}

TEST_F(Keys, TheWheelTurnsOnlyTheBoxWithTheFocus) {
  const auto turn = [](QComboBox& target, int delta) {
    QWheelEvent wheel(QPointF(5, 5), target.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&target, &wheel);
  };
  combo("cmbPrintingMode").setFocus();
  turn(combo("cmbEmulation"), 120);  // towards "IBM"
  EXPECT_EQ(1, combo("cmbEmulation").currentIndex());
  EXPECT_EQ(1, window().selectionBoxes().selection(settings::Box::Emulation));
  EXPECT_EQ(QStringLiteral("cmbPrintingMode"), focused());

  turn(combo("cmbPrintingMode"), -120);  // towards "Uni-Direction"
  EXPECT_EQ(1, window().selectionBoxes().selection(settings::Box::PrintingMode));
}

TEST_F(Keys, AltKeysOfDisabledBoxesActOnceTheirBoxesAreEnabled) {
  pick("cmbInterface", 1);  // USB
  keys(window(), kAlt, 'S');
  EXPECT_EQ(QStringLiteral("cmbInterface"), focused());

  pick("cmbEmulation", 0);  // IBM
  keys(window(), kAlt, 'U');
  EXPECT_EQ(QStringLiteral("cmbAutoCR"), focused());

  pick("cmbFontType", 0);  // LQ
  keys(window(), kAlt, 'Q');
  EXPECT_EQ(QStringLiteral("cmbNLQFontType"), focused());
}

TEST_F(Keys, CtrlLettersRunTheButtons) {
  boxes.answers = {platform::Answer::Cancel,  // Ctrl+A
                   platform::Answer::Cancel,  // Ctrl+D
                   platform::Answer::Cancel,  // Ctrl+P
                   platform::Answer::No};     // Ctrl+X
  for (char letter : {'A', 'D', 'P', 'X', 'B', 'Q', 'Z'}) keys(window(), kCtrl, letter);
  ASSERT_EQ(4u, boxes.shown.size());
  EXPECT_EQ(messages::readinessPrompt().text, boxes.shown[0].text);
  EXPECT_EQ(messages::readinessPrompt().text, boxes.shown[1].text);
  EXPECT_EQ(messages::readinessPrompt().text, boxes.shown[2].text);
  EXPECT_EQ(messages::quitPrompt().text, boxes.shown[3].text);
  EXPECT_TRUE(window().isVisible());

  keys(window(), kCtrl, 'S');
  EXPECT_FALSE(window().isVisible());
  ASSERT_NE(nullptr, window().features());
  EXPECT_TRUE(window().features()->isVisible());
}

TEST_F(Keys, OnlyTheExactModifierStateCounts) {
  combo("cmbCopyMode").setFocus();
  keys(window(), Qt::ControlModifier | Qt::ShiftModifier, 'A');
  keys(window(), Qt::AltModifier | Qt::ControlModifier, 'A');
  keys(window(), Qt::ShiftModifier | Qt::AltModifier, 'D');
  keys(window(), Qt::ShiftModifier, 'D');
  keys(window(), Qt::NoModifier, 'X');
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(QStringLiteral("cmbCopyMode"), focused());
}

TEST_F(Keys, CtrlAloneMakesTheNextCharacterVanish) {
  QComboBox& mode = combo("cmbPrintingMode");
  press(window(), Qt::Key_Control, QString(), kCtrl);
  releaseKey(window(), Qt::Key_Control, QString(), Qt::NoModifier);
  EXPECT_EQ(2, window().intCtrlPending());

  QTest::sendKeyEvent(QTest::Click, &mode, Qt::Key_U, QStringLiteral("u"), Qt::NoModifier);
  EXPECT_EQ(0, mode.currentIndex());
  EXPECT_EQ(0, window().intCtrlPending());

  // The same character once more reaches the box, which picks "Uni-Direction" by it.
  QTest::sendKeyEvent(QTest::Click, &mode, Qt::Key_U, QStringLiteral("u"), Qt::NoModifier);
  EXPECT_EQ(1, mode.currentIndex());
}

TEST_F(Keys, CtrlAHidesItsControlCharacterFromTheBoxAndActsOnTheKeyUp) {
  boxes.answers = {platform::Answer::Cancel};
  QComboBox& mode = combo("cmbPrintingMode");
  press(window(), Qt::Key_Control, QString(), kCtrl);
  bool reachedBox = false;
  struct Spy : QObject {
    bool* reached;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_A) {
        *reached = true;
      }
      return false;
    }
  } spy;
  spy.reached = &reachedBox;
  mode.installEventFilter(&spy);
  press(window(), Qt::Key_A, QStringLiteral("\x01"), kCtrl);
  mode.removeEventFilter(&spy);
  EXPECT_FALSE(reachedBox);
  EXPECT_TRUE(boxes.shown.empty());
  releaseKey(window(), Qt::Key_A, QStringLiteral("\x01"), kCtrl);
  EXPECT_EQ(1u, boxes.shown.size());
}

TEST_F(Keys, ReleasingCtrlBeforeTheLetterDoesNothing) {
  press(window(), Qt::Key_Control, QString(), kCtrl);
  press(window(), Qt::Key_A, QStringLiteral("\x01"), kCtrl);
  releaseKey(window(), Qt::Key_Control, QString(), Qt::NoModifier);
  releaseKey(window(), Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Keys, FeaturesWindowAnswersCtrlPAndCtrlCButNoAltKeys) {
  window().showFeatures(platform::kLeftButton);
  frmFeatures& f = *window().features();
  keys(f, kAlt, 'C');
  keys(f, kAlt, 'P');
  keys(f, kCtrl, 'X');
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(boxes.shown.empty());

  boxes.answers = {platform::Answer::Cancel};
  keys(f, kCtrl, 'P');
  EXPECT_EQ(1u, boxes.shown.size());
  EXPECT_TRUE(f.isVisible());
}

TEST_F(Keys, CtrlCAndCtrlPCloseTheFeatureTextsContextMenuFirst) {
  window().showFeatures(platform::kLeftButton);
  frmFeatures& f = *window().features();
  auto& text = child<QPlainTextEdit>(f, "txtFeatures");
  const auto openMenu = [&] {
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(20, 20),
                           text.viewport()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(text.viewport(), &menu);
  };

  boxes.answers = {platform::Answer::Cancel};
  openMenu();
  ASSERT_NE(nullptr, QApplication::activePopupWidget());
  boxes.whileShown = [](const ScriptedMessageBoxes::Shown&) {
    EXPECT_EQ(nullptr, QApplication::activePopupWidget());
  };
  keys(f, kCtrl, 'P');
  EXPECT_EQ(1u, boxes.shown.size());
  EXPECT_TRUE(f.isVisible());

  openMenu();
  ASSERT_NE(nullptr, QApplication::activePopupWidget());
  keys(f, kCtrl, 'C');
  EXPECT_EQ(nullptr, QApplication::activePopupWidget());
  EXPECT_FALSE(f.isVisible());
}

TEST_F(Keys, CtrlCCopiesTheSelectedFeatureTextAndThenClosesTheWindow) {
  window().showFeatures(platform::kLeftButton);
  frmFeatures& f = *window().features();
  auto& text = child<QPlainTextEdit>(f, "txtFeatures");
  QApplication::clipboard()->setText(QStringLiteral("before"));
  QTextCursor cursor = text.textCursor();
  cursor.setPosition(4);
  cursor.setPosition(9, QTextCursor::KeepAnchor);
  text.setTextCursor(cursor);

  keys(f, kCtrl, 'C');
  EXPECT_EQ(QStringLiteral("9 pin"), QApplication::clipboard()->text());
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(window().isVisible());
  EXPECT_FALSE(f.unloaded());
}

}  // namespace
