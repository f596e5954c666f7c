// SPDX-License-Identifier: Apache-2.0
#include <QLinearGradient>
#include <QPainter>

#include "artwork/Lettering.h"
#include "artwork/Palette.h"
#include "artwork/Pictures.h"

namespace artwork {

namespace {

// Both windows share one design; only these places differ.
struct Layout {
  QSize size;
  int panelRight;  // last column of the white working panel
  int separatorX;  // the grey line between the working panel and the side panel
  int buttonLeft;  // where the buttons stand on the side panel; the logo lines up with them
  int barTop;      // the blue lines around the bottom bar
  int barBottom;
  bool note;  // whether the bottom bar carries the note about the access keys
};

const Layout kConfigLayout{{726, 357}, 578, 581, 596, 318, 354, true};
const Layout kFeaturesLayout{{738, 455}, 589, 592, 600, 429, 451, false};

constexpr int kBandHeight = 26;
constexpr int kPanelLeft = 3;
constexpr int kPanelTop = kBandHeight + 2;
const QSize kLogoSize{128, 96};
constexpr int kLogoTop = 44;

void paintNote(QPainter& painter, const Layout& layout) {
  const QString heading = QStringLiteral("Note:");
  const QString lines[] = {
      QStringLiteral("Use CTRL+Underlined letter to select command buttons."),
      QStringLiteral("Use ALT+Underlined letter to select printer permanent settings."),
  };
  constexpr int kLineHeight = 15;
  constexpr int kLeft = 10;
  const int top = layout.barTop + (layout.barBottom - layout.barTop - 2 * kLineHeight + 1) / 2;

  painter.setFont(letteringFont(11, QFont::Bold));
  const QRect headingBox(kLeft, top, layout.panelRight, kLineHeight);
  paintCaption(painter, headingBox, heading, Qt::AlignLeft, palette::kNoteInk);
  const int textLeft = kLeft + painter.fontMetrics().horizontalAdvance(heading) + 8;

  painter.setFont(letteringFont(11));
  for (int line = 0; line < 2; ++line) {
    const QRect box(textLeft, top + line * kLineHeight, layout.panelRight, kLineHeight);
    paintCaption(painter, box, lines[line], Qt::AlignLeft, palette::kNoteInk);
  }
}

QImage paintBackground(const Layout& layout, qreal ratio) {
  QImage image = canvas(layout.size, QImage::Format_RGB32, ratio);
  image.fill(palette::kSidePanel);
  QPainter painter(&image);
  const int width = layout.size.width();

  paintTopBand(painter, width, 0);
  painter.fillRect(0, kBandHeight, width, 1, palette::kPanel);
  painter.fillRect(0, kBandHeight + 1, width, 1, palette::kBlueGreyLine);

  painter.fillRect(
      QRect(QPoint(kPanelLeft, kPanelTop), QPoint(layout.panelRight, layout.barTop - 1)),
      palette::kPanel);
  painter.fillRect(layout.separatorX, kPanelTop, 1, layout.barTop - kPanelTop, palette::kSeparator);

  painter.fillRect(0, layout.barTop, width, 1, palette::kBlueLine);
  painter.fillRect(0, layout.barBottom, width, 1, palette::kBlueLine);
  if (layout.note) paintNote(painter, layout);

  paintLogo(painter, QRect(QPoint(layout.buttonLeft, kLogoTop), kLogoSize));
  return image;
}

}  // namespace

void paintTopBand(QPainter& painter, int width, int bandOffset) {
  QLinearGradient gradient(0, -bandOffset, 0, kBandHeight - bandOffset);
  gradient.setColorAt(0, palette::kBandTop);
  gradient.setColorAt(1, palette::kBandBottom);
  painter.fillRect(0, -bandOffset, width, kBandHeight, gradient);
}

QImage drawConfigBackground(qreal ratio) {
  return paintBackground(kConfigLayout, ratio);
}

QImage drawFeaturesBackground(qreal ratio) {
  return paintBackground(kFeaturesLayout, ratio);
}

}  // namespace artwork
