#include "artwork/BitmapFiles.h"

namespace artwork {

// The build reads the file names from the lines below, one row a line: keep that form.
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
      // "Atribute" is spelled so on purpose: the design names the caption files this way.
      {"Atribute1.bmp", Picture::LeftCaptionsEscP},
      {"Atribute11.bmp", Picture::LeftCaptionsIbm},
  };
  return files;
}

const char* fileNameOf(Picture picture) {
  for (const BitmapFile& file : bitmapFiles()) {
    if (file.picture == picture) return file.fileName;
  }
  return nullptr;
}

}  // namespace artwork
