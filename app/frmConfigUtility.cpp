// SPDX-License-Identifier: Apache-2.0
#include "app/frmConfigUtility.h"

#include <QCloseEvent>
#include <QComboBox>

#include "app/FormFont.h"
#include "app/PictureButton.h"
#include "app/ScreenCatchUp.h"
#include "app/ScreenRatio.h"
#include "app/WaitNotice.h"
#include "app/WindowFrame.h"
#include "app/frmFeatures.h"
#include "artwork/Artwork.h"
#include "artwork/RowGeometry.h"
#include "download/DownloadSettings.h"
#include "features/PrintFeatures.h"
#include "platform/MouseButton.h"
#include "printjob/Messages.h"

using artwork::Picture;
using settings::Box;

namespace {

const QSize kClientSize(726, 356);

// Selection rows: up to eleven per column from y 56, boxes 137 px wide.
constexpr int kFirstRowTop = 56;
constexpr int kLeftCaptionLeft = 16;
constexpr int kRightCaptionLeft = 288;
constexpr int kLeftBoxLeft = 144;
constexpr int kRightBoxLeft = 416;
const QSize kRowSize(137, artwork::kRowHeight);

const QRect kBackground(0, 0, 726, 357);
const QRect kHeading(8, 8, 201, 17);
// The caption pictures, painted to the rows beside the boxes.
const QRect kLeftCaptions(kLeftCaptionLeft, kFirstRowTop, 129, 241);
const QRect kRightCaptions(kRightCaptionLeft, kFirstRowTop, 129, 255);
const QRect kWaitNotice(168, 144, 350, 33);

constexpr int kButtonLeft = 596;
const QSize kButtonSize(128, 26);

// The buttons stand in one column.
QRect buttonAt(int top) {
  return {QPoint(kButtonLeft, top), kButtonSize};
}

const app::PictureButton<frmConfigUtility> kButtons[] = {
    {"imgApplySettings", buttonAt(168), Picture::ApplySettingsNormal, Picture::ApplySettingsHover,
     'A', &frmConfigUtility::applySettings},
    {"imgDefault", buttonAt(198), Picture::RestoreDefaultNormal, Picture::RestoreDefaultHover, 'D',
     &frmConfigUtility::restoreDefault},
    {"imgExit", buttonAt(288), Picture::ExitNormal, Picture::ExitHover, 'X',
     &frmConfigUtility::exitProgram},
    {"imgPFeatures", buttonAt(258), Picture::PrintFeaturesNormal, Picture::PrintFeaturesHover, 'P',
     &frmConfigUtility::printFeatures},
    {"imgSFeatures", buttonAt(228), Picture::ShowFeaturesNormal, Picture::ShowFeaturesHover, 'S',
     &frmConfigUtility::showFeatures},
};

// Alt keys that only act while their box can take the focus; every other access key of the
// catalogue always moves the focus.
struct AltCondition {
  Box box;
  bool (*allows)(const settings::SelectionBoxes& boxes);
};

constexpr settings::Selection kUsb = 1;

const AltCondition kAltConditions[] = {
    {Box::NLQFontType,
     [](const settings::SelectionBoxes& b) { return b.box(Box::NLQFontType).enabled(); }},
    {Box::AutoCR, [](const settings::SelectionBoxes& b) { return b.box(Box::AutoCR).enabled(); }},
    {Box::StrobeEdge,
     [](const settings::SelectionBoxes& b) { return b.selection(Box::Interface) != kUsb; }},
};

constexpr std::int16_t kCtrlPending = 2;

bool isLeftColumn(std::size_t box) {
  return box < settings::kLeftColumnBoxes;
}

QRect rowRect(std::size_t box, int leftColumnX, int rightColumnX) {
  const std::size_t row = isLeftColumn(box) ? box : box - settings::kLeftColumnBoxes;
  return {QPoint(isLeftColumn(box) ? leftColumnX : rightColumnX,
                 kFirstRowTop + static_cast<int>(row) * artwork::kRowPitch),
          kRowSize};
}

// The caption as it reads, without the '&' that marks its access letter: the Alt keys are
// the window's own, so no label may claim them as mnemonics.
QString plainCaption(QString caption) {
  return caption.remove('&');
}

// Where Verdana is missing (most Linux systems, Wine), DejaVu Sans stands in, as fontconfig
// would choose on Linux: a wide sans serif like Verdana, so the texts still fit their boxes.
// Without it Wine would fall back to a serif face.
QFont verdana(qreal pointSize) {
  return app::formFont("Verdana", pointSize, false, "DejaVu Sans");
}

// A child panel that shows its picture from its top left corner and clips what does not fit.
QLabel* picturePanel(const char* name, const QRect& geometry, const QPixmap& picture,
                     QWidget* parent) {
  auto* panel = new QLabel(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setGeometry(geometry);
  panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  panel->setPixmap(picture);
  return panel;
}

QStringList textsOf(const std::vector<std::string>& entries) {
  QStringList texts;
  for (const std::string& entry : entries) texts << QString::fromStdString(entry);
  return texts;
}

QStringList itemsOf(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

}  // namespace

frmConfigUtility::frmConfigUtility(platform::Platform& platform, const app::PictureFolder& pictures)
    : platform_(platform), pictures_(pictures), hover_(pictures) {
  setObjectName(QStringLiteral("frmConfigUtility"));
  setWindowTitle(QStringLiteral("Zel MRL 770 Printer Configuration Utility"));
  setWindowIcon(app::builtIn(Picture::WindowIcon, 1));
  // Pictures drawn by the program are drawn for the screen, so they stay sharp on a dense one.
  const qreal ratio = devicePixelRatio();
  app::fixWindowFrame(*this, kClientSize, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  // The boxes' font, which they inherit: a box given a font of its own builds its drop-down
  // list at once, and twenty-one of them cost the window's start-up dearly.
  setFont(verdana(8.25));

  // Created bottom to top: the caption labels under the background, the buttons over it,
  // then the child panels and boxes, the wait notice last so that it covers the boxes.
  const QFont captionFont = verdana(9.75);
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const settings::BoxDefinition& row = settings::catalogue()[i];
    if (*row.caption == '\0') continue;
    auto* label = new QLabel(plainCaption(QString::fromLatin1(row.caption)), this);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    label->setGeometry(rowRect(i, kLeftCaptionLeft, kRightCaptionLeft));
    label->setFont(captionFont);
  }

  imgBackground_ = new app::SurfacePicture("imgBackground", kBackground,
                                           app::builtIn(Picture::ConfigBackground, ratio), this);
  connect(imgBackground_, &app::SurfacePicture::moved, this, [this] { hover_.overBackground(); });
  // It covers the whole window, so neither the window nor the caption labels beneath it are
  // painted.
  imgBackground_->setAttribute(Qt::WA_OpaquePaintEvent);

  for (const auto& row : kButtons) {
    app::SurfacePicture* button = app::makePictureButton(row, hover_, *this);
    if (row.action == &frmConfigUtility::applySettings) imgApplySettings_ = button;
  }

  picturePanel("Picture1", kHeading, app::builtIn(Picture::Heading, ratio), this);
  // Given its picture by the emulation rule, from the caption file.
  Atribute1_ = picturePanel("Atribute1", kLeftCaptions, QPixmap(), this);
  picturePanel("Picture3", kRightCaptions, app::builtIn(Picture::RightCaptions, ratio), this);

  QWidget* previous = nullptr;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(settings::catalogue()[i].name));
    combo->setGeometry(rowRect(i, kLeftBoxLeft, kRightBoxLeft));
    // The hidden caption label names its box where assistive technology asks the label.
    if (auto* label = findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1))) {
      label->setBuddy(combo);
    }
    combo->installEventFilter(this);
    const auto box = static_cast<Box>(i);
    connect(combo, &QComboBox::activated, this, [this, box](int entry) {
      boxes_.setSelection(box, static_cast<settings::Selection>(entry));
    });
    if (previous) setTabOrder(previous, combo);
    previous = combo;
    comboBoxes_[i] = combo;
    boxChanged(box);
  }

  imgWarning_ = new app::WaitNotice(kWaitNotice, this);

  boxes_.IntializeSelectionBoxes();
  comboBoxes_[settings::index(Box::PrintingMode)]->setFocus();
}

frmConfigUtility::~frmConfigUtility() = default;

void frmConfigUtility::applySettings(int button) {
  mdlFlagSettings::applySettings(button, platform_, *this);
}

void frmConfigUtility::restoreDefault(int button) {
  mdlFlagSettings::restoreDefault(button, platform_, *this);
}

void frmConfigUtility::showFeatures(int button) {
  if (button != platform::kLeftButton) return;
  hide();
  // A features window that was closed is loaded afresh; one that was only hidden comes back
  // as it was left.
  if (!features_ || features_->unloaded()) {
    features_ = std::make_unique<frmFeatures>(platform_, pictures_, boxes_, *this);
  }
  features_->show();
}

void frmConfigUtility::printFeatures(int button) {
  features::printFeatures(button, platform_, boxes_);
}

void frmConfigUtility::exitProgram(int button) {
  if (button != platform::kLeftButton) return;
  if (userConfirmsQuit()) endProgram();
}

void frmConfigUtility::showCaptionPicture(settings::Emulation emulation) {
  QPixmap picture = Atribute1_->pixmap();
  const Picture captions =
      emulation == settings::Emulation::Ibm ? Picture::LeftCaptionsIbm : Picture::LeftCaptionsEscP;
  if (pictures_.load(captions, picture)) {
    Atribute1_->setPixmap(app::forScreen(picture, devicePixelRatio()));
  } else if (picture.isNull()) {
    // The window's first picture, drawn only when its file cannot be read.
    Atribute1_->setPixmap(app::builtIn(Picture::LeftCaptionsEscP, devicePixelRatio()));
  }
  nameBoxes(captions);
}

void frmConfigUtility::nameBoxes(Picture leftCaptions) {
  const QStringList left = artwork::captions(leftCaptions);
  const QStringList right = artwork::captions(Picture::RightCaptions);
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const auto row = static_cast<qsizetype>(isLeftColumn(i) ? i : i - settings::kLeftColumnBoxes);
    comboBoxes_[i]->setAccessibleName(plainCaption((isLeftColumn(i) ? left : right).value(row)));
  }
}

void frmConfigUtility::hideWaitNotice() {
  imgWarning_->hide();
}

void frmConfigUtility::boxChanged(Box box) {
  QComboBox& combo = *comboBoxes_[settings::index(box)];
  const settings::SelectionBox& model = boxes_.box(box);
  const QSignalBlocker quiet(combo);
  // Refilled only when the entries differ: a box may be reporting the user's own pick.
  const QStringList entries = textsOf(model.entries());
  if (itemsOf(combo) != entries) {
    combo.clear();
    combo.addItems(entries);
  }
  combo.setCurrentIndex(model.selection());
  combo.setEnabled(model.enabled());
}

void frmConfigUtility::showWaitNotice() {
  imgWarning_->show();
}

void frmConfigUtility::setApplySettingsEnabled(bool enabled) {
  imgApplySettings_->setEnabled(enabled);
}

void frmConfigUtility::setBackgroundEnabled(bool enabled) {
  imgBackground_->setEnabled(enabled);
}

void frmConfigUtility::repaintNow() {
  repaint();
  app::catchUpWithScreen(*this);
}

bool frmConfigUtility::eventFilter(QObject* watched, QEvent* event) {
  // The wheel only turns through the entries of the box that has the focus, so that scrolling
  // over the window never changes a setting by the way.
  if (event->type() == QEvent::Wheel) {
    const auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo && focusWidget() != combo) return true;
  }
  return QWidget::eventFilter(watched, event);
}

void frmConfigUtility::closeEvent(QCloseEvent* event) {
  if (ending_) {
    event->accept();
    return;
  }
  if (!userConfirmsQuit()) {
    event->ignore();
    return;
  }
  event->accept();
  endProgram();
}

void frmConfigUtility::keyDown(Qt::KeyboardModifiers modifiers) {
  if (modifiers == Qt::ControlModifier) intCtrlPending_ = kCtrlPending;
}

bool frmConfigUtility::character() {
  if (intCtrlPending_ != kCtrlPending) return false;
  intCtrlPending_ = 0;
  return true;
}

void frmConfigUtility::keyUp(char letter, Qt::KeyboardModifiers modifiers) {
  if (modifiers == Qt::AltModifier) moveFocusByAltKey(letter);
  if (modifiers == Qt::ControlModifier) app::runCtrlKey(kButtons, letter, *this);
}

void frmConfigUtility::moveFocusByAltKey(char letter) {
  if (letter == 0) return;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    if (settings::accessKey(settings::catalogue()[i]) != letter) continue;
    const auto box = static_cast<Box>(i);
    for (const AltCondition& condition : kAltConditions) {
      if (condition.box == box && !condition.allows(boxes_)) return;
    }
    app::closePopups();
    comboBoxes_[i]->setFocus(Qt::ShortcutFocusReason);
    return;
  }
}

bool frmConfigUtility::userConfirmsQuit() {
  return messages::show(platform_.messageBoxes, messages::quitPrompt()) == platform::Answer::Yes;
}

void frmConfigUtility::endProgram() {
  ending_ = true;
  features_.reset();
  hide();
  emit programEnded();
}
