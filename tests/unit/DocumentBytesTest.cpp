// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "printer-app/BitImage.h"
#include "printer-app/BitImageDecoder.h"
#include "printer-app/PlainText.h"

namespace {

using printerapp::Resolution;
using settings::Emulation;

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
    std::set<std::pair<long, long>> sent;  // (row, column)
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
    const printerapp::DecodedPage printed = printerapp::decodeBitImage(bytes);
    EXPECT_EQ(printed.fault, "");
    EXPECT_EQ(printed.emulation, row.emulation);
    EXPECT_EQ(printed.grid.y, row.raster.y);
    EXPECT_EQ(printed.dots, sent);
  }
}

TEST(DocumentBytesTest, GrayLinesAreDitheredToDotsByTheirDarkness) {
  // Thresholds 0..255 spread over the matrix: a gray prints about as many dots as it is dark.
  unsigned char thresholds[16][16];
  for (int i = 0; i < 256; ++i) thresholds[i / 16][i % 16] = static_cast<unsigned char>(i);
  struct Row {
    unsigned char gray;
    int dots;  // of 32 pixels
  };
  for (const Row& row : {Row{0, 32}, Row{255, 0}, Row{191, 8}}) {
    const std::vector<unsigned char> line(32, row.gray);
    unsigned char dots[4];
    int count = 0;
    for (unsigned y = 0; y < 16; ++y) {
      printerapp::ditherLine(line.data(), line.size(), y, thresholds, dots);
      for (unsigned char byte : dots) count += __builtin_popcount(byte);
    }
    EXPECT_EQ(count, row.dots * 16) << int{row.gray};
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
