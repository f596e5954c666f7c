#include "app/artwork/Artwork.h"

#include "app/artwork/Pictures.h"

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

const std::vector<BitmapFile>& bitmapFiles() {
  static const std::vector<BitmapFile> files = {
      {"Apply_Settings1.bmp", Picture::ApplySettingsNormal},
      {"Apply_Settings2.bmp", Picture::ApplySettingsHover},
      {"Restore_Default1.bmp", Picture::RestoreDefaultNormal},
      {"Restore_Default2.bmp", Picture::RestoreDefaultHover},
      {"Show_Features1.bmp", Picture::ShowFeaturesNormal},
      {"Show_Features2.bmp", Picture::ShowFeaturesHover},
      {"Print_Features1.bmp", Picture::PrintFeaturesNormal},
      {"Print_Features2.bmp", Picture::PrintFeaturesHover},
      {"Exit_Button1.bmp", Picture::ExitNormal},
      {"Exit_Button2.bmp", Picture::ExitHover},
      {"Close_Button1.bmp", Picture::CloseNormal},
      {"Close_Button2.bmp", Picture::CloseHover},
      {"Atribute1.bmp", Picture::LeftCaptionsEscP},
      {"Atribute11.bmp", Picture::LeftCaptionsIbm},
  };
  return files;
}

}  // namespace artwork
