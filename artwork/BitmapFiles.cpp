// SPDX-License-Identifier: Apache-2.0
#include "artwork/BitmapFiles.h"

namespace artwork {

const std::vector<BitmapFile>& bitmapFiles() {
  // The rows are made from bitmap-files.txt when the build is configured.
  static const std::vector<BitmapFile> files = {
#include "BitmapFileRows.inc"
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
