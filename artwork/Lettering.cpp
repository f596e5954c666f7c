// SPDX-License-Identifier: Apache-2.0
#include "artwork/Lettering.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace artwork {

namespace {

constexpr int kSmallestPixelSize = 7;

struct Mnemonic {
  QString text;
  int letter;  // index into text of the access letter, or -1
};

Mnemonic parse(const QString& caption) {
  const int amp = static_cast<int>(caption.indexOf(QLatin1Char('&')));
  if (amp < 0) return {caption, -1};
  QString text = caption;
  text.remove(amp, 1);
  return {text, amp < text.size() ? amp : -1};
}

int widest(const QStringList& texts, const QFont& font) {
  const QFontMetrics metrics(font);
  int width = 0;
  for (const QString& text : texts)
    width = std::max(width, metrics.horizontalAdvance(parse(text).text));
  return width;
}

}  // namespace

QFont letteringFont(int pixelSize, QFont::Weight weight) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  // Full hinting snaps the stems to whole pixels, which keeps small captions crisp.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QFont fittingFont(const QStringList& texts, int maxWidth, int pixelSize, QFont::Weight weight) {
  QFont font = letteringFont(pixelSize, weight);
  while (pixelSize > kSmallestPixelSize && widest(texts, font) > maxWidth) {
    font = letteringFont(--pixelSize, weight);
  }
  return font;
}

void paintCaption(QPainter& painter, const QRect& box, const QString& caption, Qt::Alignment align,
                  const QColor& ink) {
  const Mnemonic mnemonic = parse(caption);
  const QFontMetrics metrics(painter.font());
  const int width = metrics.horizontalAdvance(mnemonic.text);
  const int x =
      align.testFlag(Qt::AlignHCenter) ? box.left() + (box.width() - width) / 2 : box.left();
  const int baseline =
      box.top() + (box.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
  painter.setPen(ink);
  painter.drawText(QPoint(x, baseline), mnemonic.text);
  if (mnemonic.letter < 0) return;
  const int letterX = x + metrics.horizontalAdvance(mnemonic.text.left(mnemonic.letter));
  const int letterWidth = metrics.horizontalAdvance(mnemonic.text.at(mnemonic.letter));
  const int thickness = std::max(1, metrics.lineWidth());
  // One clear row below the letter, or at small sizes the line runs into it.
  const int lineY = baseline + metrics.underlinePos() + 1;
  painter.fillRect(QRect(letterX, lineY, letterWidth, thickness), ink);
}

}  // namespace artwork
