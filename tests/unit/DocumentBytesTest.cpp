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
