// SPDX-License-Identifier: Apache-2.0
#include <QPainter>
#include <QPainterPath>

#include "artwork/Lettering.h"
#include "artwork/Pictures.h"

namespace artwork {

namespace {

// The maker's mark: a letter Z built from printer dots on a rounded tile, beside the word ZEL.
// The Z is set on a 5 x 7 dot grid, the way a 9-pin head forms a character.
const char* const kDotZ[] = {
    "#####", "....#", "...#.", "..#..", ".#...", "#....", "#####",
};
constexpr int kDotColumns = 5;
constexpr int kDotRows = 7;
constexpr int kDotPitch = 5;
constexpr int kDotSize = 4;

const QColor kTile{0xc8, 0x3a, 0x1e};
const QColor kWordMark{0x1f, 0x3a, 0x5f};
const QColor kTagline{0x4d, 0x63, 0x80};

void paintTile(QPainter& painter, const QRect& tile) {
  QPainterPath shape;
  shape.addRoundedRect(QRectF(tile), 8, 8);
  painter.fillPath(shape, kTile);
  const int gridWidth = (kDotColumns - 1) * kDotPitch + kDotSize;
  const int gridHeight = (kDotRows - 1) * kDotPitch + kDotSize;
  const QPoint origin(tile.left() + (tile.width() - gridWidth) / 2,
                      tile.top() + (tile.height() - gridHeight) / 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  for (int row = 0; row < kDotRows; ++row) {
    for (int column = 0; column < kDotColumns; ++column) {
      if (kDotZ[row][column] != '#') continue;
      painter.drawEllipse(
          QRect(origin + QPoint(column * kDotPitch, row * kDotPitch), QSize(kDotSize, kDotSize)));
    }
  }
}

}  // namespace

void paintLogo(QPainter& painter, const QRect& frame) {
  const QString word = QStringLiteral("ZEL");
  const QSize tileSize(32, 42);
  constexpr int kGap = 6;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);

  // The tile and the word stand side by side, centred in the frame.
  painter.setFont(letteringFont(30, QFont::Black));
  const int wordWidth = painter.fontMetrics().horizontalAdvance(word);
  const int left = frame.left() + (frame.width() - tileSize.width() - kGap - wordWidth) / 2;
  const QRect tile(QPoint(left, frame.top()), tileSize);
  paintTile(painter, tile);
  painter.setPen(kWordMark);
  painter.drawText(QRect(tile.right() + 1 + kGap, tile.top(), wordWidth + 1, tile.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, word);

  QFont tagFont = letteringFont(9, QFont::Bold);
  tagFont.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  painter.setFont(tagFont);
  painter.setPen(kTagline);
  const QRect tagline(frame.left(), tile.bottom() + 7, frame.width(), 12);
  painter.drawText(tagline, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("PRINTERS"));
  painter.restore();
}

}  // namespace artwork
