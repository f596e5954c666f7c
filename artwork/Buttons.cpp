// SPDX-License-Identifier: Apache-2.0
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <iterator>

#include "artwork/Lettering.h"
#include "artwork/Palette.h"
#include "artwork/Pictures.h"

namespace artwork {

namespace {

struct ButtonPicture {
  Picture normal;
  Picture hover;
  const char* caption;  // '&' marks the underlined access letter
  QSize size;
};

const QSize kWideButton{128, 26};

const ButtonPicture kButtons[] = {
    {Picture::ApplySettingsNormal, Picture::ApplySettingsHover, "&Apply Settings", kWideButton},
    {Picture::RestoreDefaultNormal, Picture::RestoreDefaultHover, "Restore &Default", kWideButton},
    {Picture::ShowFeaturesNormal, Picture::ShowFeaturesHover, "&Show Features", kWideButton},
    {Picture::PrintFeaturesNormal, Picture::PrintFeaturesHover, "&Print Features", kWideButton},
    {Picture::ExitNormal, Picture::ExitHover, "E&xit", kWideButton},
    {Picture::CloseNormal, Picture::CloseHover, "&Close", {126, 24}},
};

struct Look {
  QColor top;
  QColor bottom;
  QColor border;
};

// Normal: a cool, light face. Hover: a warm amber face with a darker rim, so the button under
// the pointer stands out at a glance.
const Look kNormalLook{{0xff, 0xff, 0xff}, {0xd9, 0xe2, 0xec}, {0x7d, 0x90, 0xab}};
const Look kHoverLook{{0xff, 0xf5, 0xdc}, {0xf9, 0xcd, 0x7a}, {0xb7, 0x7a, 0x12}};

constexpr int kCaptionPixelSize = 12;
constexpr int kCaptionMargin = 8;
constexpr qreal kCornerRadius = 6;

QStringList allCaptions() {
  QStringList captions;
  for (const ButtonPicture& button : kButtons) captions << QString::fromLatin1(button.caption);
  return captions;
}

QImage paintButton(const ButtonPicture& button, const Look& look, qreal ratio) {
  QImage image = canvas(button.size, QImage::Format_RGB32, ratio);
  const QRect frame(QPoint(), button.size);
  // The corners outside the rounded face show the side panel the buttons stand on.
  image.fill(palette::kSidePanel);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF face = QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  fill.setColorAt(0, look.top);
  fill.setColorAt(1, look.bottom);
  QPainterPath outline;
  outline.addRoundedRect(face, kCornerRadius, kCornerRadius);
  painter.fillPath(outline, fill);
  painter.setPen(QPen(look.border, 1));
  painter.drawPath(outline);

  // One font for all buttons, so their captions match in size; fitted once, as the captions
  // never change.
  static const int kFittedPixelSize =
      fittingFont(allCaptions(), kButtons[0].size.width() - 2 * kCaptionMargin, kCaptionPixelSize)
          .pixelSize();
  painter.setFont(letteringFont(kFittedPixelSize));
  paintCaption(painter, frame, QString::fromLatin1(button.caption), Qt::AlignHCenter,
               palette::kInk);
  return image;
}

const ButtonPicture* buttonOf(Picture picture) {
  const auto* button = std::find_if(
      std::begin(kButtons), std::end(kButtons),
      [&](const ButtonPicture& b) { return b.normal == picture || b.hover == picture; });
  return button == std::end(kButtons) ? nullptr : button;
}

}  // namespace

QImage drawButton(Picture picture, qreal ratio) {
  const ButtonPicture* button = buttonOf(picture);
  if (!button) return {};
  return paintButton(*button, picture == button->hover ? kHoverLook : kNormalLook, ratio);
}

QString buttonCaption(Picture picture) {
  const ButtonPicture* button = buttonOf(picture);
  return button ? QString::fromLatin1(button->caption) : QString();
}

}  // namespace artwork
