// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QSize>
#include <QWidget>

namespace app {

// Gives a top-level window a fixed client size, a frame offering only the given title-bar
// buttons (no maximise, no resizing), and a place in the middle of its screen, frame included
// once the window manager has framed it.
void fixWindowFrame(QWidget& window, const QSize& clientSize, Qt::WindowFlags titleButtons);

}  // namespace app
