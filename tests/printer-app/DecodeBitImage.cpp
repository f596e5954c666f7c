// SPDX-License-Identifier: Apache-2.0
// decode-bit-image WIDTH HEIGHT < BYTES > PBM: the dots a page of bit-image graphics lays down,
// as a WIDTH x HEIGHT bitmap on the page's grid, whose resolution a comment names. Fails on bytes
// the printer would not print as meant, and on dots outside the bitmap.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <vector>

#include "printer-app/BitImageDecoder.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: decode-bit-image WIDTH HEIGHT < BYTES > PBM\n");
    return 2;
  }
  const long width = std::atol(argv[1]);
  const long height = std::atol(argv[2]);
  const platform::ByteString bytes{std::istreambuf_iterator<char>(std::cin), {}};
  const printerapp::DecodedPage page = printerapp::decodeBitImage(bytes);
  if (!page.fault.empty()) {
    std::fprintf(stderr, "decode-bit-image: %s\n", page.fault.c_str());
    return 1;
  }
  const long lineBytes = (width + 7) / 8;
  std::vector<unsigned char> bitmap(static_cast<std::size_t>(lineBytes * height));
  for (const auto& [row, column] : page.dots) {
    if (row >= height || column >= width) {
      std::fprintf(stderr, "decode-bit-image: a dot at row %ld, column %ld\n", row, column);
      return 1;
    }
    bitmap[static_cast<std::size_t>(row * lineBytes + column / 8)] |=
        static_cast<unsigned char>(0x80 >> (column % 8));
  }
  std::printf("P4\n# %dx%d dpi\n%ld %ld\n", page.grid.x, page.grid.y, width, height);
  std::fwrite(bitmap.data(), 1, bitmap.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
