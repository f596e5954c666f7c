// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "artwork/Artwork.h"

namespace artwork {

// A bitmap file the windows read from the program's folder, and the drawing it holds.
struct BitmapFile {
  const char* fileName;  // without a folder
  Picture picture;
};

// Every bitmap file of the program, as artwork/bitmap-files.txt names each once: the build
// writes them, the windows and the picture folder find a picture's file here.
const std::vector<BitmapFile>& bitmapFiles();

// The name of the file that holds a picture, or null for a picture that is only built in.
const char* fileNameOf(Picture picture);

}  // namespace artwork
