// SPDX-License-Identifier: Apache-2.0
#include <QPainter>

#include "artwork/Lettering.h"
#include "artwork/Palette.h"
#include "artwork/Pictures.h"
#include "artwork/RowGeometry.h"
#include "settings/Catalogue.h"
#include "settings/ShownCaptions.h"

namespace artwork {

namespace {

using settings::Box;

constexpr int kCaptionWidth = 131;
// The window shows only the top 15 px of the right column's last row (Copy Mode); centring
// that caption in the top 17 px keeps its underline in view.
constexpr int kClippedRowHeight = 17;
constexpr int kCaptionPixelSize = 12;
// The window shows only 129 px of each caption picture; keep clear of that edge.
constexpr int kCaptionRoom = 124;
constexpr int kCaptionIndent = 2;

QString captionOf(Box box, bool ibm) {
  return QString::fromStdString(
      settings::shownCaption(box, ibm ? settings::Emulation::Ibm : settings::Emulation::EscP));
}

// The captions of the boxes first to end - 1, top to bottom.
QStringList columnCaptions(std::size_t first, std::size_t end, bool ibm) {
  QStringList captions;
  for (std::size_t i = first; i < end; ++i) captions << captionOf(static_cast<Box>(i), ibm);
  return captions;
}

QStringList everyCaption() {
  return leftCaptions(false) + leftCaptions(true) + rightCaptions();
}

QImage paintCaptions(const QStringList& captions, int height, bool lastRowClipped, qreal ratio) {
  QImage image = canvas({kCaptionWidth, height}, QImage::Format_RGB32, ratio);
  image.fill(palette::kPanel);
  QPainter painter(&image);
  // Both columns share one font, so their captions match in size.
  painter.setFont(fittingFont(everyCaption(), kCaptionRoom, kCaptionPixelSize));
  for (int row = 0; row < captions.size(); ++row) {
    const bool clipped = lastRowClipped && row == captions.size() - 1;
    const QRect box(kCaptionIndent, row * kRowPitch, kCaptionWidth - kCaptionIndent,
                    clipped ? kClippedRowHeight : kRowHeight);
    paintCaption(painter, box, captions[row], Qt::AlignLeft, palette::kInk);
  }
  return image;
}

}  // namespace

QStringList leftCaptions(bool ibm) {
  return columnCaptions(0, settings::kLeftColumnBoxes, ibm);
}

QStringList rightCaptions() {
  return columnCaptions(settings::kLeftColumnBoxes, settings::kBoxCount, false);
}

QString waitNoticeText() {
  return QStringLiteral("Please wait, while printer settings being applied.");
}

QImage drawLeftCaptions(bool ibm, qreal ratio) {
  return paintCaptions(leftCaptions(ibm), 250, false, ratio);
}

QImage drawRightCaptions(qreal ratio) {
  return paintCaptions(rightCaptions(), 265, true, ratio);
}

QImage drawHeading(qreal ratio) {
  constexpr int kBandTopOffset = 8;  // the heading stands 8 px below the top of the band
  const QString text = QStringLiteral("Printer Permanent Settings");
  const QRect frame(0, 0, 204, 16);
  QImage image = canvas(frame.size(), QImage::Format_RGB32, ratio);
  QPainter painter(&image);
  paintTopBand(painter, frame.width(), kBandTopOffset);
  painter.setFont(fittingFont({text}, frame.width() - 2, 12, QFont::Bold));
  paintCaption(painter, frame.adjusted(1, 0, 0, 0), text, Qt::AlignLeft, palette::kInk);
  return image;
}

QImage drawWaitNotice(qreal ratio) {
  const QString text = waitNoticeText();
  const QRect frame(0, 0, 346, 34);
  QImage image = canvas(frame.size(), QImage::Format_RGB32, ratio);
  image.fill(palette::kNoticeGrey);
  QPainter painter(&image);
  painter.setFont(fittingFont({text}, frame.width() - 16, 13, QFont::Bold));
  paintCaption(painter, frame, text, Qt::AlignHCenter, palette::kNoticeInk);
  return image;
}

}  // namespace artwork
