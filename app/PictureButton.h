// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QRect>
#include <cstddef>
#include <functional>

#include "app/HoverPictures.h"
#include "app/KeyPreview.h"
#include "app/SurfacePicture.h"
#include "artwork/Artwork.h"
#include "platform/MouseButton.h"

namespace app {

// A row of a window's table of picture buttons, in the order in which a move over the
// background puts the normal pictures back.
template <class Window>
struct PictureButton {
  const char* name;
  QRect geometry;
  // Built in, and read from its file once the pointer crosses the background.
  artwork::Picture normal;
  artwork::Picture hover;
  char ctrlKey;
  void (Window::*action)(int button);  // given the code of the mouse button released over it
};

// Makes a button on window, over what was made before it, showing its built-in normal picture
// and presented by its caption, and adds it to the window's hover rule. released is given the
// code of each mouse-button release over it.
SurfacePicture* makePictureButton(const char* name, const QRect& geometry, artwork::Picture normal,
                                  artwork::Picture hover, HoverPictures& hoverRule, QWidget& window,
                                  std::function<void(int button)> released);

template <class Window>
SurfacePicture* makePictureButton(const PictureButton<Window>& row, HoverPictures& hoverRule,
                                  Window& window) {
  return makePictureButton(
      row.name, row.geometry, row.normal, row.hover, hoverRule, window,
      [&window, action = row.action](int button) { (window.*action)(button); });
}

// Runs the action of the button whose Ctrl key is letter as a left click. Any open list or menu
// is closed first: it would stay up over the window the action leaves or prints from.
template <class Window, std::size_t N>
void runCtrlKey(const PictureButton<Window> (&table)[N], char letter, Window& window) {
  for (const PictureButton<Window>& row : table) {
    if (row.ctrlKey != letter) continue;
    closePopups();
    (window.*row.action)(platform::kLeftButton);
    return;
  }
}

}  // namespace app
