// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <vector>

#include "platform/ByteString.h"
#include "settings/SettingsView.h"

namespace printerapp {

struct Resolution {
  int x;
  int y;
};

// The dot grids the nine-pin head lays down. Draft: 120 x 72 dpi, one pass of eight pins for
// every eight dot rows. Fine: 240 x 216 dpi, three passes a 1/216 inch apart for every 24 rows,
// each pass printed twice (even columns, then odd), because at 240 dpi a pin cannot fire on two
// neighbouring columns.
constexpr Resolution kDraftGrid{120, 72};
constexpr Resolution kFineGrid{240, 216};

// The head covers eight inches, the 80 columns of its widest line.
constexpr int kHeadInches = 8;

// One page of 1-bit raster (1 is a dot, the leftmost pixel in a line's most significant bit)
// as bit-image graphics in the printer's emulation. A raster finer than draft is printed on the
// fine grid, anything else on the draft grid; a raster of another resolution than its grid is
// mapped onto it pixel by nearest pixel. Blank stretches become paper feeds, not passes.
class BitImagePage {
 public:
  BitImagePage(settings::Emulation emulation, Resolution raster, std::size_t widthPixels);

  // Takes the page's next raster line of widthPixels bits and returns the bytes of the bands it
  // completes (often none).
  platform::ByteString addLine(const unsigned char* line);
  // The bands still open, then a form feed.
  platform::ByteString finish();

  Resolution grid() const { return grid_; }

 private:
  bool dot(long gridRow, long gridColumn) const;
  long bandRows() const;
  bool bandComplete(long band) const;
  void printBand(long band, platform::ByteString& out);
  void printPass(long firstRow, int parity, platform::ByteString& out);

  settings::Emulation emulation_;
  Resolution raster_;
  Resolution grid_;
  std::size_t widthPixels_;
  long gridColumns_;
  std::vector<std::vector<unsigned char>> lines_;
  long nextBand_ = 0;
  // Paper still to feed before the next pass, in 1/216 inch.
  long pendingFeed_ = 0;
};

// A line of 8-bit gray (0 black, 255 white) as 1-bit dots for BitImagePage: a pixel gets a dot
// where its darkness passes the threshold of the 16 x 16 ordered-dither matrix at its place;
// black always does. DOTS holds (width + 7) / 8 bytes.
void ditherLine(const unsigned char* gray, std::size_t width, unsigned y,
                const unsigned char (&thresholds)[16][16], unsigned char* dots);

}  // namespace printerapp
