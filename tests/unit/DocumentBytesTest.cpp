// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "printer-app/BitImage.h"
#include "printer-app/PlainText.h"

namespace {

using printerapp::Resolution;
using settings::Emulation;
using Dots = std::set<std::pair<long, long>>;  // (row, column) on the page's grid

// Reads bit-image graphics back into dots the way the printer lays them down, accepting only the
// commands of the emulation, and fails on two neighbouring dots in one pass at 240 dpi.
Dots printedDots(const platform::ByteString& bytes, Emulation emulation, Resolution grid) {
  Dots dots;
  long feed = 0;  // 1/216 inch from the top of the page
  std::size_t at = 0;
  auto next = [&] { return static_cast<unsigned char>(bytes.at(at++)); };
  while (at < bytes.size()) {
    const unsigned char byte = next();
    if (byte == '\r') continue;
    if (byte == '\f') {
      EXPECT_EQ(at, bytes.size()) << "the form feed ends the page";
      break;
    }
    EXPECT_EQ(byte, 0x1B) << "at byte " << at - 1;
    const unsigned char command = next();
    if (command == 'J') {
      feed += next();
      continue;
    }
    int density = 0;
    if (emulation == Emulation::EscP && command == '*') {
      const unsigned char mode = next();
      density = mode == 1 ? 120 : mode == 3 ? 240 : 0;
    } else if (emulation == Emulation::Ibm && (command == 'L' || command == 'Z')) {
      density = command == 'L' ? 120 : 240;
    }
    EXPECT_EQ(density, grid.x) << "command " << command << " at byte " << at;
    const long columns = next() + 256L * next();
    unsigned previous = 0;
    for (long column = 0; column < columns; ++column) {
      const unsigned pins = next();
      if (density == 240) {
        EXPECT_EQ(pins & previous, 0u) << "neighbouring dots at 240 dpi";
      }
      previous = pins;
      for (int pin = 0; pin < 8; ++pin) {
        if (pins & (0x80u >> pin)) dots.emplace((feed + 3 * pin) * grid.y / 216, column);
      }
    }
  }
  return dots;
}

TEST(DocumentBytesTest, RasterPagesPrintDotForDotInBothEmulationsAndBothGrids) {
  struct Row {
    Emulation emulation;
    Resolution raster;
  };
  for (const Row& row :
       {Row{Emulation::EscP, printerapp::kDraftGrid}, Row{Emulation::Ibm, printerapp::kDraftGrid},
        Row{Emulation::EscP, printerapp::kFineGrid}, Row{Emulation::Ibm, printerapp::kFineGrid}}) {
    SCOPED_TRACE(row.raster.x);
    // Wider than the head, with a blank stretch longer than one feed command can move.
    const long width = row.raster.x * 8 + 40;
    const long height = row.raster.y * 3;
    const long blankFrom = row.raster.y / 3, blankTo = row.raster.y * 2;
    std::vector<unsigned char> line(static_cast<std::size_t>((width + 7) / 8));
    printerapp::BitImagePage page(row.emulation, row.raster, static_cast<std::size_t>(width));
    ASSERT_EQ(page.grid().x, row.raster.x);
    platform::ByteString bytes;
    Dots sent;
    unsigned seed = 7;
    for (long y = 0; y < height; ++y) {
      std::fill(line.begin(), line.end(), 0);
      for (long x = 0; x < width && (y < blankFrom || y >= blankTo); ++x) {
        seed = seed * 1103515245u + 12345u;
        if ((seed >> 16) % 3 != 0) continue;
        line[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        if (x < row.raster.x * printerapp::kHeadInches) sent.emplace(y, x);
      }
      bytes += page.addLine(line.data());
    }
    bytes += page.finish();
    EXPECT_EQ(printedDots(bytes, row.emulation, page.grid()), sent);
  }
}

TEST(DocumentBytesTest, PlainTextUsesThePrintersLineEndsTabsAndCharacters) {
  struct Row {
    const char* text;
    platform::ByteString bytes;
  };
  for (const Row& row : {
           Row{"", ""},
           Row{"a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd\r\f"},
           Row{"one\ftwo\f", "one\r\ftwo\r\f"},
           Row{"a\tb\t\tc\n12345678\tx", "a       b               c\r\n12345678        x\r\f"},
           Row{"\x1b\x19\x01 safe\x7f\xc2\x85", " safe\r\f"},
           Row{"Grüße ½ € \xff",
               "Gr\x81\xe1"
               "e \xab ? ?\r\f"},
       }) {
    EXPECT_EQ(platform::hexBytes(printerapp::plainText(row.text)), platform::hexBytes(row.bytes))
        << row.text;
  }
}

}  // namespace
