// SPDX-License-Identifier: Apache-2.0
// make-pwg-raster FILE MEDIA TYPE XDPIxYDPI [PBM]: one page of PWG raster, white with a black band
// across its middle third, for printing to the application; with PBM, the same page as a bitmap
// too, to compare with what the printer prints. libcups's raster writer comes with PAPPL.
#include <pappl/pappl.h>

#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
  if (argc != 5 && argc != 6) {
    std::fprintf(stderr, "usage: make-pwg-raster FILE MEDIA TYPE XDPIxYDPI [PBM]\n");
    return 2;
  }
  int xdpi = 0, ydpi = 0;
  cups_page_header2_t header;
  pwg_media_t* media = pwgMediaForPWG(argv[2]);
  if (std::sscanf(argv[4], "%dx%d", &xdpi, &ydpi) != 2 || media == nullptr ||
      !cupsRasterInitPWGHeader(&header, media, argv[3], xdpi, ydpi, "one-sided", nullptr)) {
    std::fprintf(stderr, "make-pwg-raster: %s\n", cupsLastErrorString());
    return 1;
  }
  const int fd = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
  cups_raster_t* raster = fd < 0 ? nullptr : cupsRasterOpen(fd, CUPS_RASTER_WRITE_PWG);
  FILE* pbm = argc == 6 ? std::fopen(argv[5], "wb") : nullptr;
  if (raster == nullptr || !cupsRasterWriteHeader2(raster, &header) || (argc == 6 && !pbm)) {
    std::fprintf(stderr, "make-pwg-raster: cannot write %s\n", argv[argc - 1]);
    return 1;
  }
  if (pbm) std::fprintf(pbm, "P4\n%u %u\n", header.cupsWidth, header.cupsHeight);
  // A 1-bit line is black where its bits are set; 8 bits and more are black at 0.
  const bool oneBit = header.cupsBitsPerPixel == 1;
  const std::vector<unsigned char> white(header.cupsBytesPerLine, oneBit ? 0x00 : 0xFF);
  const std::vector<unsigned char> black(header.cupsBytesPerLine, oneBit ? 0xFF : 0x00);
  const std::vector<unsigned char> pbmWhite((header.cupsWidth + 7) / 8, 0x00);
  std::vector<unsigned char> pbmBlack(pbmWhite.size(), 0xFF);
  // A bitmap's line ends in padding bits, which stay clear.
  if (header.cupsWidth % 8 != 0)
    pbmBlack.back() = static_cast<unsigned char>(0xFF00 >> (header.cupsWidth % 8));
  for (unsigned y = 0; y < header.cupsHeight; ++y) {
    const bool band = y >= header.cupsHeight / 3 && y < 2 * header.cupsHeight / 3;
    std::vector<unsigned char> line = band ? black : white;
    cupsRasterWritePixels(raster, line.data(), header.cupsBytesPerLine);
    if (pbm) std::fwrite((band ? pbmBlack : pbmWhite).data(), 1, pbmWhite.size(), pbm);
  }
  cupsRasterClose(raster);
  const bool pbmWritten = !pbm || std::fclose(pbm) == 0;
  return close(fd) == 0 && pbmWritten ? 0 : 1;
}
