// SPDX-License-Identifier: Apache-2.0
#include <QLabel>
#include <QPlainTextEdit>

#include "WindowFixture.h"
#include "features/ContactData.h"
#include "features/FeatureList.h"

namespace {

struct Placement {
  const char* name;
  int x, y, w, h;
};

// Every control of the configuration window at its place, in pixels.
const Placement kConfigControls[] = {
    {"imgBackground", 0, 0, 726, 357},
    {"imgApplySettings", 596, 168, 128, 26},
    {"imgDefault", 596, 198, 128, 26},
    {"imgSFeatures", 596, 228, 128, 26},
    {"imgPFeatures", 596, 258, 128, 26},
    {"imgExit", 596, 288, 128, 26},
    {"Picture1", 8, 8, 201, 17},
    {"Atribute1", 16, 56, 129, 241},
    {"Picture3", 288, 56, 129, 255},
    {"imgWarning", 168, 144, 350, 33},
    {"cmbPrintingMode", 144, 56, 137, 21},
    {"cmbHSD", 144, 80, 137, 21},
    {"cmbFontType", 144, 104, 137, 21},
    {"cmbNLQFontType", 144, 128, 137, 21},
    {"cmbPitch", 144, 152, 137, 21},
    {"cmbFontLock", 144, 176, 137, 21},
    {"cmbPitchLock", 144, 200, 137, 21},
    {"cmbAutoLF", 144, 224, 137, 21},
    {"cmbEmulation", 144, 248, 137, 21},
    {"cmbCharacterTable", 144, 272, 137, 21},
    {"cmbAutoCR", 416, 56, 137, 21},
    {"cmbRollPaper", 416, 80, 137, 21},
    {"cmbTearoff", 416, 104, 137, 21},
    {"cmbPageLength", 416, 128, 137, 21},
    {"cmbLPI", 416, 152, 137, 21},
    {"cmbSlashedZero", 416, 176, 137, 21},
    {"cmbSkipOverPerf", 416, 200, 137, 21},
    {"cmbFriction", 416, 224, 137, 21},
    {"cmbInterface", 416, 248, 137, 21},
    {"cmbStrobeEdge", 416, 272, 137, 21},
    {"cmbCopyMode", 416, 296, 137, 21},
    {"Label1", 16, 56, 137, 21},
    {"Label10", 16, 272, 137, 21},
    {"Label11", 288, 56, 137, 21},
    {"Label20", 288, 272, 137, 21},
};

const Placement kFeaturesControls[] = {
    {"imgBackground", 0, 0, 738, 455}, {"imgPrintFeatures", 600, 360, 128, 26},
    {"imgClose", 600, 392, 126, 24},   {"Label1", 176, 56, 257, 33},
    {"Label2", 8, 5, 153, 17},         {"txtFeatures", 8, 120, 577, 293},
};

// Pairs (lower, upper) in the stacking order of the window's children.
struct Stacking {
  const char* lower;
  const char* upper;
};

const Stacking kConfigStacking[] = {
    {"Label1", "imgBackground"},
    {"Label20", "imgBackground"},
    {"imgBackground", "imgApplySettings"},
    {"imgBackground", "imgExit"},
    {"imgExit", "Picture1"},
    {"imgExit", "Atribute1"},
    {"imgExit", "cmbPrintingMode"},
    {"Picture3", "imgWarning"},
    {"cmbPitch", "imgWarning"},
    {"cmbLPI", "imgWarning"},
    {"cmbNLQFontType", "imgWarning"},
    {"cmbPageLength", "imgWarning"},
};

const Stacking kFeaturesStacking[] = {
    {"imgBackground", "Label1"},   {"imgBackground", "Label2"},
    {"imgBackground", "imgClose"}, {"imgBackground", "imgPrintFeatures"},
    {"imgClose", "txtFeatures"},   {"Label1", "txtFeatures"},
};

int stackIndex(QWidget& window, const char* name) {
  const QObjectList& children = window.children();
  for (int i = 0; i < children.size(); ++i) {
    if (children[i]->objectName() == QLatin1String(name)) return i;
  }
  return -1;
}

void expectPlacements(QWidget& window, const Placement* begin, const Placement* end) {
  for (const Placement* p = begin; p != end; ++p) {
    const QWidget* control = window.findChild<QWidget*>(QLatin1String(p->name));
    ASSERT_NE(nullptr, control) << p->name;
    EXPECT_EQ(QRect(p->x, p->y, p->w, p->h), control->geometry()) << p->name;
  }
}

void expectStacking(QWidget& window, const Stacking* begin, const Stacking* end) {
  for (const Stacking* s = begin; s != end; ++s) {
    const int lower = stackIndex(window, s->lower);
    const int upper = stackIndex(window, s->upper);
    ASSERT_GE(lower, 0) << s->lower;
    ASSERT_GE(upper, 0) << s->upper;
    EXPECT_LT(lower, upper) << s->lower << " should lie under " << s->upper;
  }
}

using Layout = WindowTest;

TEST_F(Layout, ConfigurationWindowHasEveryControlInPlaceAndInItsLayer) {
  frmConfigUtility& w = window();
  EXPECT_EQ(QSize(726, 356), w.size());
  EXPECT_EQ(QSize(726, 356), w.minimumSize());
  EXPECT_EQ(QSize(726, 356), w.maximumSize());
  EXPECT_EQ(QStringLiteral("Zel MRL 770 Printer Configuration Utility"), w.windowTitle());
  EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(w.windowIcon().isNull());
  expectPlacements(w, std::begin(kConfigControls), std::end(kConfigControls));
  expectStacking(w, std::begin(kConfigStacking), std::end(kConfigStacking));
  EXPECT_EQ(20, w.findChildren<QLabel*>(QRegularExpression("^Label\\d+$")).size());
  for (QLabel* label : w.findChildren<QLabel*>(QRegularExpression("^Label\\d+$"))) {
    EXPECT_FALSE(label->text().contains('&')) << label->objectName().toStdString();
  }
}

TEST_F(Layout, FeaturesWindowHasEveryControlInPlaceAndInItsLayer) {
  window().showFeatures(platform::kLeftButton);
  frmFeatures& f = *window().features();
  EXPECT_EQ(QSize(736, 453), f.size());
  EXPECT_EQ(QSize(736, 453), f.maximumSize());
  EXPECT_EQ(QStringLiteral("Zel MRL 770 Printer Configuration Utility"), f.windowTitle());
  EXPECT_TRUE(f.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
  expectPlacements(f, std::begin(kFeaturesControls), std::end(kFeaturesControls));
  expectStacking(f, std::begin(kFeaturesStacking), std::end(kFeaturesStacking));
  EXPECT_EQ(QStringLiteral("Zel MRL 770  FEATURES"), child<QLabel>(f, "Label1").text());
  EXPECT_EQ(QStringLiteral("Zel MRL 770  Features"), child<QLabel>(f, "Label2").text());
}

TEST_F(Layout, PicturePanelsClipTheirPicturesFromTheTopLeft) {
  struct Panel {
    const char* name;
    QSize picture;
  };
  const Panel panels[] = {{"Picture1", {204, 16}},
                          {"Atribute1", {131, 250}},
                          {"Picture3", {131, 265}},
                          {"imgWarning", {346, 34}}};
  // The wait notice gets its picture when it is first shown.
  window().showWaitNotice();
  for (const Panel& p : panels) {
    QLabel& panel = control<QLabel>(p.name);
    EXPECT_EQ(p.picture, panel.pixmap().size()) << p.name;
    EXPECT_FALSE(panel.hasScaledContents()) << p.name;
    EXPECT_EQ(Qt::AlignLeft | Qt::AlignTop, panel.alignment()) << p.name;
  }
}

TEST_F(Layout, StartsWithTheDefaultsTheDisabledBoxesAndTheFocusOnPrintingMode) {
  frmConfigUtility& w = window();
  QApplication::setActiveWindow(&w);
  for (const settings::BoxDefinition& box : settings::catalogue()) {
    QComboBox& shown = combo(box.name);
    EXPECT_EQ(box.defaultIndex, shown.currentIndex()) << box.name;
    EXPECT_FALSE(shown.isEditable()) << box.name;
    const bool disabled =
        std::string(box.name) == "cmbNLQFontType" || std::string(box.name) == "cmbAutoCR";
    EXPECT_EQ(!disabled, shown.isEnabled()) << box.name;
  }
  EXPECT_EQ(4, combo("cmbPitch").count());
  EXPECT_EQ(QStringLiteral("Graphics"), combo("cmbCharacterTable").itemText(0));
  EXPECT_FALSE(control("imgWarning").isVisible());
  EXPECT_EQ(&combo("cmbPrintingMode"), w.focusWidget());
  EXPECT_EQ(0, w.blnButtonsNormal());
  EXPECT_EQ(0, w.intCtrlPending());
  // The caption picture came from the ESC/P file.
  QImage escP;
  escP.load(folder.filePath("Atribute1.bmp"));
  EXPECT_EQ(escP, control<QLabel>("Atribute1").pixmap().toImage().convertToFormat(escP.format()));
}

TEST_F(Layout, EachEmulationReadsItsOwnCaptionFile) {
  QComboBox& emulation = combo("cmbEmulation");
  emulation.setFocus();
  const auto shownCaptions = [this] {
    return control<QLabel>("Atribute1").pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  };
  const auto fileImage = [this](const char* name) {
    return QImage(folder.filePath(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
  };
  QTest::keyClick(&emulation, Qt::Key_Up);  // "IBM"
  EXPECT_EQ(QStringList({"Atribute11.bmp"}), reads);
  EXPECT_EQ(fileImage("Atribute11.bmp"), shownCaptions());
  QTest::keyClick(&emulation, Qt::Key_Down);  // "ESC/P"
  EXPECT_EQ(QStringList({"Atribute11.bmp", "Atribute1.bmp"}), reads);
  EXPECT_EQ(fileImage("Atribute1.bmp"), shownCaptions());
}

TEST_F(Layout, TabVisitsTheEnabledBoxesInWindowOrderAndNothingElse) {
  frmConfigUtility& w = window();
  QStringList visited;
  QWidget* at = &combo("cmbPrintingMode");
  do {
    visited << at->objectName();
    at = at->nextInFocusChain();
    while (at != &combo("cmbPrintingMode") &&
           (!(at->focusPolicy() & Qt::TabFocus) || !at->isEnabled() || !at->isVisible())) {
      at = at->nextInFocusChain();
    }
  } while (at != &combo("cmbPrintingMode"));
  QStringList expected;
  for (const settings::BoxDefinition& box : settings::catalogue()) {
    const std::string name = box.name;
    if (name != "cmbNLQFontType" && name != "cmbAutoCR") expected << QLatin1String(box.name);
  }
  EXPECT_EQ(expected, visited);
  for (auto* picture : w.findChildren<app::SurfacePicture*>()) {
    EXPECT_EQ(Qt::NoFocus, picture->focusPolicy()) << picture->objectName().toStdString();
  }
}

TEST_F(Layout, FeatureTextHoldsItsLinesReadOnlyInDarkBlueOnWhite) {
  window().showFeatures(platform::kLeftButton);
  frmFeatures& f = *window().features();
  auto& text = child<QPlainTextEdit>(f, "txtFeatures");
  const std::string expected =
      std::string(
          "1.  9 pin 80 column Dot Matrix Printer with speed 450 CPS at HSD 12 CPI.\r\n"
          "\r\n"
          "2.  Comes with USB 2.0  & Centronics parallel interface with Autoshare.\r\n"
          "\r\n"
          "3.  Built in 3 LQ fonts:\r\n"
          "\r\n"
          "          Roman     Sans Serif     Script\r\n"
          "\r\n"
          "4.  Supports two paper paths.\r\n"
          "\r\n"
          "5.  Printer driver support for Windows 95, 98, Me, NT 4.0, 2000, XP, 2003, "
          "Xp x64,\r\n"
          "     Vista, 7, 7 x64, 8, 8 x64 and selected Linux distributions.\r\n"
          "     (Available in ") +
      features::contact::kWeb +
      ").\r\n"
      "\r\n"
      "6.  Windows printer configuration utility to configure the printer permanent settings.\r\n";
  EXPECT_EQ(expected, features::featureList());
  const QString shown = QString::fromStdString(expected).replace(QStringLiteral("\r\n"), "\n");
  EXPECT_EQ(shown, text.toPlainText());
  EXPECT_TRUE(text.isReadOnly());
  EXPECT_EQ(QColor(0, 0, 64), text.palette().color(QPalette::Text));
  EXPECT_EQ(QColor(Qt::white), text.palette().color(QPalette::Base));
  EXPECT_EQ(QStringLiteral("Verdana"), text.font().family());
  EXPECT_EQ(&text, f.focusWidget());

  QTest::keyClicks(&text, "typed");
  EXPECT_EQ(shown, text.toPlainText());
}

}  // namespace
