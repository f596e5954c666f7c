// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QImage>
#include <QStringList>

namespace artwork {

// Every picture the two windows show. Each is drawn by the program, so the windows can be
// built with them, and the same drawings are written out as the bitmap files the windows
// load at run time.
enum class Picture {
  ConfigBackground,     // 726 x 357, the configuration window's background with the logo
  FeaturesBackground,   // 738 x 455, the features window's background with the logo
  Heading,              // 204 x 16, "Printer Permanent Settings"
  LeftCaptionsEscP,     // 131 x 250, the left column's ten captions under ESC/P
  LeftCaptionsIbm,      // 131 x 250, the same under IBM
  RightCaptions,        // 131 x 265, the right column's eleven captions
  WaitNotice,           // 346 x 34, "Please wait, while printer settings being applied."
  ApplySettingsNormal,  // 128 x 26 each, the configuration window's buttons
  ApplySettingsHover,
  RestoreDefaultNormal,
  RestoreDefaultHover,
  ShowFeaturesNormal,
  ShowFeaturesHover,
  PrintFeaturesNormal,  // also on the features window
  PrintFeaturesHover,
  ExitNormal,
  ExitHover,
  CloseNormal,  // 126 x 24, the features window's Close button
  CloseHover,
  WindowIcon,  // 64 x 64, a printer
};

// Draws a picture at its exact size in pixels, or for a screen of a higher device pixel ratio
// at that many device pixels to each of them.
QImage draw(Picture picture, qreal ratio = 1);

// The captions painted on a picture, top to bottom, '&' before each underlined letter: one for
// a button or the wait notice, a column's for a caption picture, none for any other picture.
QStringList captions(Picture picture);

}  // namespace artwork
