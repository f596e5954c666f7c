// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <vector>

#include "app/PictureFolder.h"
#include "app/SurfacePicture.h"

namespace app {

// The hover rule of a window's picture buttons: one flag for all of them. A button takes its
// hover picture when the pointer moves over it while every button is normal; moving over the
// background gives every button its normal picture back. Files are read only on a change.
class HoverPictures {
 public:
  struct Button {
    SurfacePicture* picture;
    artwork::Picture normal;
    artwork::Picture hover;
  };

  explicit HoverPictures(const PictureFolder& folder) : folder_(folder) {}

  // Buttons are added in the order the background puts their normal pictures back; returns
  // the button's number for overButton.
  std::size_t add(const Button& button);

  void overButton(std::size_t button);
  void overBackground();

  // True (-1) while every button shows its normal picture; false (0) when the window loads.
  std::int16_t blnButtonsNormal = 0;

 private:
  void load(SurfacePicture& target, artwork::Picture picture);

  const PictureFolder& folder_;
  std::vector<Button> buttons_;
};

}  // namespace app
