#include "artwork/Artwork.h"

#include "artwork/Pictures.h"

namespace artwork {

QImage draw(Picture picture) {
  switch (picture) {
    case Picture::ConfigBackground:
      return drawConfigBackground();
    case Picture::FeaturesBackground:
      return drawFeaturesBackground();
    case Picture::Heading:
      return drawHeading();
    case Picture::LeftCaptionsEscP:
      return drawLeftCaptions(false);
    case Picture::LeftCaptionsIbm:
      return drawLeftCaptions(true);
    case Picture::RightCaptions:
      return drawRightCaptions();
    case Picture::WaitNotice:
      return drawWaitNotice();
    case Picture::WindowIcon:
      return drawWindowIcon();
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
      return drawButton(picture);
  }
  return {};
}

}  // namespace artwork
