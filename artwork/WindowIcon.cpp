// SPDX-License-Identifier: Apache-2.0
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "artwork/Pictures.h"

namespace artwork {

namespace {

const QColor kOutline{0x3b, 0x43, 0x4f};
const QColor kBodyTop{0xe6, 0xe9, 0xed};
const QColor kBodyBottom{0xa9, 0xb0, 0xba};
const QColor kSlot{0x2a, 0x2f, 0x36};
const QColor kPaperLine{0x55, 0x5d, 0x6a};
const QColor kHole{0xb4, 0xbb, 0xc4};
const QColor kLamp{0x2f, 0xb3, 0x4a};

// Continuous paper leaving the top of the printer, with its tractor-feed holes down both
// edges and a few lines of printed dots.
void paintPaper(QPainter& painter) {
  const QRectF sheet(14.5, 2.5, 35, 30);
  painter.setPen(QPen(kOutline, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(sheet);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kHole);
  for (int y = 5; y < 30; y += 5) {
    painter.drawEllipse(QRectF(16, y, 3, 3));
    painter.drawEllipse(QRectF(45, y, 3, 3));
  }
  painter.setBrush(kPaperLine);
  const int lineLengths[] = {22, 18, 22, 12};
  for (int line = 0; line < 4; ++line) {
    for (int x = 0; x < lineLengths[line]; x += 2) {
      painter.drawRect(QRectF(21 + x, 6 + line * 5, 1, 2));
    }
  }
}

void paintBody(QPainter& painter) {
  const QRectF body(2.5, 26.5, 56, 28);
  QLinearGradient shade(body.topLeft(), body.bottomLeft());
  shade.setColorAt(0, kBodyTop);
  shade.setColorAt(1, kBodyBottom);
  QPainterPath outline;
  outline.addRoundedRect(body, 5, 5);
  painter.setPen(QPen(kOutline, 1));
  painter.setBrush(shade);
  painter.drawPath(outline);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kSlot);
  painter.drawRoundedRect(QRectF(12, 30, 40, 4), 2, 2);
  painter.setBrush(kBodyBottom.darker(115));
  painter.drawRect(QRectF(8, 45, 48, 1));
  painter.setBrush(kLamp);
  painter.drawEllipse(QRectF(47, 38, 5, 5));
  // The platen knob on the side, the mark of a printer that feeds continuous paper.
  painter.setPen(QPen(kOutline, 1));
  painter.setBrush(kBodyBottom);
  painter.drawRoundedRect(QRectF(57.5, 31.5, 5, 10), 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kOutline);
  painter.drawRect(QRectF(9, 55, 8, 4));
  painter.drawRect(QRectF(47, 55, 8, 4));
}

// The icon as a 256-colour picture: one colour for the transparent pixels, then the 255 colours
// the drawing uses most; the rarer shades of antialiased edges take the nearest of them.
QImage withColourTable(const QImage& drawn) {
  const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
  QHash<QRgb, int> uses;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++uses[image.pixel(x, y)];
  }
  QList<QRgb> colours = uses.keys();
  std::sort(colours.begin(), colours.end(), [&](QRgb a, QRgb b) { return uses[a] > uses[b]; });
  colours.removeAll(qRgba(0, 0, 0, 0));
  QList<QRgb> table{qRgba(0, 0, 0, 0)};
  table += colours.mid(0, 255);
  return image.convertToFormat(QImage::Format_Indexed8, table);
}

}  // namespace

QImage drawWindowIcon(qreal ratio) {
  // The icon alone has transparent pixels: around the printer the title bar shows through.
  QImage image = canvas({64, 64}, QImage::Format_ARGB32_Premultiplied, ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  paintPaper(painter);
  paintBody(painter);
  painter.end();
  return withColourTable(image);
}

}  // namespace artwork
