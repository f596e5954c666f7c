// SPDX-License-Identifier: Apache-2.0
#include "artwork/Artwork.h"

#include "artwork/Pictures.h"

namespace artwork {

QImage draw(Picture picture, qreal ratio) {
  switch (picture) {
    case Picture::ConfigBackground:
      return drawConfigBackground(ratio);
    case Picture::FeaturesBackground:
      return drawFeaturesBackground(ratio);
    case Picture::Heading:
      return drawHeading(ratio);
    case Picture::LeftCaptionsEscP:
      return drawLeftCaptions(false, ratio);
    case Picture::LeftCaptionsIbm:
      return drawLeftCaptions(true, ratio);
    case Picture::RightCaptions:
      return drawRightCaptions(ratio);
    case Picture::WaitNotice:
      return drawWaitNotice(ratio);
    case Picture::WindowIcon:
      return drawWindowIcon(ratio);
    case Picture::ApplySettingsNormal:
    case Picture::ApplySettingsHover:
    case Picture::RestoreDefaultNormal:
    case Picture::RestoreDefaultHover:
    case Picture::ShowFeaturesNormal:
    case Picture::ShowFeaturesHover:
    case Picture::PrintFeaturesNormal:
    case Picture::PrintFeaturesHover:
    case Picture::ExitNormal:
    case Picture::ExitHover:
    case Picture::CloseNormal:
    case Picture::CloseHover:
      return drawButton(picture, ratio);
  }
  return {};
}

QImage canvas(const QSize& size, QImage::Format format, qreal ratio) {
  QImage image(size * ratio, format);
  image.setDevicePixelRatio(ratio);
  return image;
}

QStringList captions(Picture picture) {
  switch (picture) {
    case Picture::LeftCaptionsEscP:
      return leftCaptions(false);
    case Picture::LeftCaptionsIbm:
      return leftCaptions(true);
    case Picture::RightCaptions:
      return rightCaptions();
    case Picture::WaitNotice:
      return {waitNoticeText()};
    default:
      const QString caption = buttonCaption(picture);
      return caption.isEmpty() ? QStringList() : QStringList{caption};
  }
}

}  // namespace artwork
