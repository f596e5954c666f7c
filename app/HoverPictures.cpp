// SPDX-License-Identifier: Apache-2.0
#include "app/HoverPictures.h"

#include "app/ScreenRatio.h"

namespace app {

namespace {
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;
}  // namespace

std::size_t HoverPictures::add(const Button& button) {
  buttons_.push_back(button);
  return buttons_.size() - 1;
}

void HoverPictures::overButton(std::size_t button) {
  if (blnButtonsNormal != kTrue) return;
  load(*buttons_[button].picture, buttons_[button].hover);
  blnButtonsNormal = kFalse;
}

void HoverPictures::overBackground() {
  if (blnButtonsNormal != kFalse) return;
  for (const Button& button : buttons_) load(*button.picture, button.normal);
  blnButtonsNormal = kTrue;
}

void HoverPictures::load(SurfacePicture& target, artwork::Picture picture) {
  if (!folder_.load(picture, target.picture())) return;
  target.picture() = forScreen(target.picture(), target.devicePixelRatio());
  target.update();
}

}  // namespace app
