// SPDX-License-Identifier: Apache-2.0
#include "printer-app/BitImage.h"

#include <algorithm>

namespace printerapp {

namespace {

constexpr char kEsc = '\x1b';
constexpr int kPins = 8;
// Vertical steps are counted in the 1/216 inch of ESC J, which both emulations take.
constexpr int kFeedUnitsPerInch = 216;
constexpr int kMostFeedPerCommand = 255;

bool isFine(Resolution grid) {
  return grid.x == kFineGrid.x;
}

// The graphics command for one pass of `columns` bytes. ESC/P names the density with ESC *;
// the IBM set has a command per density.
platform::ByteString graphicsCommand(settings::Emulation emulation, Resolution grid, long columns) {
  platform::ByteString command{kEsc};
  if (emulation == settings::Emulation::EscP) {
    command += '*';
    command += isFine(grid) ? '\x03' : '\x01';
  } else {
    command += isFine(grid) ? 'Z' : 'L';
  }
  command += static_cast<char>(columns & 0xFF);
  command += static_cast<char>(columns >> 8);
  return command;
}

}  // namespace

BitImagePage::BitImagePage(settings::Emulation emulation, Resolution raster,
                           std::size_t widthPixels)
    : emulation_(emulation),
      raster_(raster),
      grid_(raster.x > kDraftGrid.x || raster.y > kDraftGrid.y ? kFineGrid : kDraftGrid),
      widthPixels_(widthPixels),
      gridColumns_(std::min<long>(static_cast<long>(widthPixels) * grid_.x / raster.x,
                                  static_cast<long>(kHeadInches) * grid_.x)) {}

platform::ByteString BitImagePage::addLine(const unsigned char* line) {
  lines_.emplace_back(line, line + (widthPixels_ + 7) / 8);
  platform::ByteString out;
  while (bandComplete(nextBand_)) printBand(nextBand_++, out);
  return out;
}

platform::ByteString BitImagePage::finish() {
  platform::ByteString out;
  const long gridRows = (static_cast<long>(lines_.size()) * grid_.y + raster_.y - 1) / raster_.y;
  while (nextBand_ * bandRows() < gridRows) printBand(nextBand_++, out);
  // The form feed finds the next page by itself; what is left to feed is below the last dot.
  pendingFeed_ = 0;
  out += '\f';
  return out;
}

bool BitImagePage::dot(long gridRow, long gridColumn) const {
  const auto row = static_cast<std::size_t>(gridRow * raster_.y / grid_.y);
  const auto column = static_cast<std::size_t>(gridColumn * raster_.x / grid_.x);
  if (row >= lines_.size() || column >= widthPixels_) return false;
  return (lines_[row][column / 8] >> (7 - column % 8)) & 1;
}

long BitImagePage::bandRows() const {
  return isFine(grid_) ? 3 * kPins : kPins;
}

bool BitImagePage::bandComplete(long band) const {
  const long lastGridRow = (band + 1) * bandRows() - 1;
  return lastGridRow * raster_.y / grid_.y < static_cast<long>(lines_.size());
}

void BitImagePage::printBand(long band, platform::ByteString& out) {
  const long firstRow = band * bandRows();
  const long rowFeed = kFeedUnitsPerInch / grid_.y;
  if (!isFine(grid_)) {
    printPass(firstRow, -1, out);
    pendingFeed_ += kPins * rowFeed;
    return;
  }
  // Three interleaved passes, each a row below the last, then on past the band.
  for (int offset = 0; offset < 3; ++offset) {
    printPass(firstRow + offset, 0, out);
    printPass(firstRow + offset, 1, out);
    pendingFeed_ += offset < 2 ? rowFeed : bandRows() * rowFeed - 2 * rowFeed;
  }
}

// One pass of the head: pin i prints the row firstRow + i * (rows between pins). parity -1
// prints every column, 0 and 1 the even or odd ones.
void BitImagePage::printPass(long firstRow, int parity, platform::ByteString& out) {
  const long pinStep = isFine(grid_) ? 3 : 1;
  platform::ByteString columns(static_cast<std::size_t>(gridColumns_), '\0');
  for (long column = 0; column < gridColumns_; ++column) {
    if (parity >= 0 && column % 2 != parity) continue;
    unsigned char pins = 0;
    for (int pin = 0; pin < kPins; ++pin) {
      if (dot(firstRow + pin * pinStep, column)) pins |= static_cast<unsigned char>(0x80 >> pin);
    }
    columns[static_cast<std::size_t>(column)] = static_cast<char>(pins);
  }
  const auto used = columns.find_last_not_of('\0');
  if (used == platform::ByteString::npos) return;
  columns.resize(used + 1);

  for (; pendingFeed_ > 0; pendingFeed_ -= std::min<long>(pendingFeed_, kMostFeedPerCommand)) {
    out += kEsc;
    out += 'J';
    out += static_cast<char>(std::min<long>(pendingFeed_, kMostFeedPerCommand));
  }
  out += graphicsCommand(emulation_, grid_, static_cast<long>(columns.size()));
  out += columns;
  out += '\r';
}

void ditherLine(const unsigned char* gray, std::size_t width, unsigned y,
                const unsigned char (&thresholds)[16][16], unsigned char* dots) {
  std::fill(dots, dots + (width + 7) / 8, 0);
  const unsigned char* row = thresholds[y % 16];
  for (std::size_t x = 0; x < width; ++x) {
    const int darkness = 255 - gray[x];
    if (darkness == 255 || darkness > row[x % 16]) {
      dots[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
    }
  }
}

}  // namespace printerapp
