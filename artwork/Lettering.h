// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// Text as the pictures paint it: DejaVu Sans at pixel sizes (so the result does not depend on
// the screen), and captions whose '&' marks the access letter to underline.
namespace artwork {

QFont letteringFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// The largest font of at most pixelSize whose advance fits every text (an '&' takes no room)
// into maxWidth.
QFont fittingFont(const QStringList& texts, int maxWidth, int pixelSize,
                  QFont::Weight weight = QFont::Normal);

// Paints a caption centred vertically in box, left aligned or horizontally centred, with the
// letter after '&' underlined and the '&' itself left out.
void paintCaption(QPainter& painter, const QRect& box, const QString& caption, Qt::Alignment align,
                  const QColor& ink);

}  // namespace artwork
