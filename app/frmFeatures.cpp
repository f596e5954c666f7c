// SPDX-License-Identifier: Apache-2.0
#include "app/frmFeatures.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/FormFont.h"
#include "app/PictureButton.h"
#include "app/SurfacePicture.h"
#include "app/WindowFrame.h"
#include "artwork/Artwork.h"
#include "features/FeatureList.h"
#include "features/PrintFeatures.h"
#include "platform/MouseButton.h"

using artwork::Picture;

namespace {

const QSize kClientSize(736, 453);
const QRect kBackground(0, 0, 738, 455);
const QRect kHeading(176, 56, 257, 33);
const QRect kTitle(8, 5, 153, 17);
const QRect kFeatureText(8, 120, 577, 293);
const QColor kTextColour(0, 0, 64);

const app::PictureButton<frmFeatures> kButtons[] = {
    {"imgClose", QRect(600, 392, 126, 24), Picture::CloseNormal, Picture::CloseHover, 'C',
     &frmFeatures::closeFeatures},
    {"imgPrintFeatures", QRect(600, 360, 128, 26), Picture::PrintFeaturesNormal,
     Picture::PrintFeaturesHover, 'P', &frmFeatures::printFeatures},
};

void addLabel(const char* name, const QString& text, const QRect& geometry, const QFont& labelFont,
              QWidget* window) {
  auto* label = new QLabel(text, window);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setFont(labelFont);
}

}  // namespace

frmFeatures::frmFeatures(platform::Platform& platform, const app::PictureFolder& pictures,
                         const settings::SelectionBoxes& boxes, QWidget& configurationWindow)
    : platform_(platform),
      boxes_(boxes),
      configurationWindow_(configurationWindow),
      hover_(pictures) {
  setObjectName(QStringLiteral("frmFeatures"));
  setWindowTitle(QStringLiteral("Zel MRL 770 Printer Configuration Utility"));
  app::fixWindowFrame(*this, kClientSize, Qt::WindowCloseButtonHint);
  // Pictures drawn by the program are drawn for the screen, so they stay sharp on a dense one.
  const qreal ratio = devicePixelRatio();

  // Created bottom to top: the background, the labels and buttons on it, the text box last.
  auto* background = new app::SurfacePicture(
      "imgBackground", kBackground, app::builtIn(Picture::FeaturesBackground, ratio), this);
  connect(background, &app::SurfacePicture::moved, this, [this] { hover_.overBackground(); });

  addLabel("Label1", QStringLiteral("Zel MRL 770  FEATURES"), kHeading,
           app::formFont("Lucida Sans Unicode", 14.25, true), this);
  addLabel("Label2", QStringLiteral("Zel MRL 770  Features"), kTitle,
           app::formFont("MS Sans Serif", 9.75, true, "DejaVu Sans Condensed"), this);

  for (const auto& row : kButtons) app::makePictureButton(row, hover_, *this);

  auto* text = new QPlainTextEdit(this);
  text->setObjectName(QStringLiteral("txtFeatures"));
  text->setAccessibleName(QStringLiteral("Features"));
  text->setGeometry(kFeatureText);
  text->setFont(app::formFont("Verdana", 9.75, false));
  QPalette colours = text->palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, kTextColour);
  text->setPalette(colours);
  text->setPlainText(QString::fromStdString(features::featureList())
                         .replace(QLatin1String("\r\n"), QLatin1String("\n")));
  text->setReadOnly(true);
  // Lines wrap at the box's width and the list fits it: a plain box without scroll bars.
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text->setFocus();
}

void frmFeatures::printFeatures(int button) {
  features::printFeatures(button, platform_, boxes_);
}

void frmFeatures::closeFeatures(int button) {
  if (button != platform::kLeftButton) return;
  backToConfiguration();
}

void frmFeatures::closeEvent(QCloseEvent* event) {
  backToConfiguration();
  unloaded_ = true;
  event->accept();
}

void frmFeatures::keyUp(char letter, Qt::KeyboardModifiers modifiers) {
  if (modifiers == Qt::ControlModifier) app::runCtrlKey(kButtons, letter, *this);
}

void frmFeatures::backToConfiguration() {
  hide();
  configurationWindow_.show();
}
