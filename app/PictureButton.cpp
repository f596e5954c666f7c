// SPDX-License-Identifier: Apache-2.0
#include "app/PictureButton.h"

#include <utility>

#include "app/PictureFolder.h"

namespace app {

SurfacePicture* makePictureButton(const char* name, const QRect& geometry, artwork::Picture normal,
                                  artwork::Picture hover, HoverPictures& hoverRule, QWidget& window,
                                  std::function<void(int button)> released) {
  // Drawn for the window's screen, so that it stays sharp on a dense one.
  auto* button =
      new SurfacePicture(name, geometry, builtIn(normal, window.devicePixelRatio()), &window);
  button->setButtonCaption(artwork::captions(normal).value(0));
  const std::size_t number = hoverRule.add({button, normal, hover});
  QObject::connect(button, &SurfacePicture::moved, &window,
                   [&hoverRule, number] { hoverRule.overButton(number); });
  QObject::connect(button, &SurfacePicture::released, &window, std::move(released));
  return button;
}

}  // namespace app
