// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPixmap>

namespace app {

// A picture read from a bitmap file, made ready for a screen of the given device pixel ratio:
// scaled smoothly rather than by repeating its pixels, and shown at its size in pixels.
QPixmap forScreen(const QPixmap& picture, qreal ratio);

}  // namespace app
