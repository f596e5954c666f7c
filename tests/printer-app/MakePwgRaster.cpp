// SPDX-License-Identifier: Apache-2.0
// make-pwg-raster FILE MEDIA TYPE DPI: one page of PWG raster, white with a black band across
// its middle third, for printing to the application. libcups's raster writer comes with PAPPL.
#include <pappl/pappl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: make-pwg-raster FILE MEDIA TYPE DPI\n");
    return 2;
  }
  const int dpi = std::atoi(argv[4]);
  cups_page_header2_t header;
  pwg_media_t* media = pwgMediaForPWG(argv[2]);
  if (media == nullptr ||
      !cupsRasterInitPWGHeader(&header, media, argv[3], dpi, dpi, "one-sided", nullptr)) {
    std::fprintf(stderr, "make-pwg-raster: %s\n", cupsLastErrorString());
    return 1;
  }
  const int fd = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
  cups_raster_t* raster = fd < 0 ? nullptr : cupsRasterOpen(fd, CUPS_RASTER_WRITE_PWG);
  if (raster == nullptr || !cupsRasterWriteHeader2(raster, &header)) {
    std::fprintf(stderr, "make-pwg-raster: cannot write %s\n", argv[1]);
    return 1;
  }
  // A 1-bit line is black where its bits are set; 8 bits and more are black at 0.
  const bool oneBit = header.cupsBitsPerPixel == 1;
  const std::vector<unsigned char> white(header.cupsBytesPerLine, oneBit ? 0x00 : 0xFF);
  const std::vector<unsigned char> black(header.cupsBytesPerLine, oneBit ? 0xFF : 0x00);
  for (unsigned y = 0; y < header.cupsHeight; ++y) {
    const bool band = y >= header.cupsHeight / 3 && y < 2 * header.cupsHeight / 3;
    std::vector<unsigned char> line = band ? black : white;
    cupsRasterWritePixels(raster, line.data(), header.cupsBytesPerLine);
  }
  cupsRasterClose(raster);
  return close(fd) == 0 ? 0 : 1;
}
