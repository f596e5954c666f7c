// SPDX-License-Identifier: Apache-2.0
#include "printer-app/BitImageDecoder.h"

namespace printerapp {

namespace {

constexpr int kFeedUnitsPerInch = 216;
// The pins are 1/72 inch apart.
constexpr int kPinFeed = 3;

struct Graphics {
  settings::Emulation emulation;
  Resolution grid;
};

// The graphics command in `command` (and, for ESC *, its mode in `mode`), or a grid of 0.
Graphics graphicsOf(unsigned char command, unsigned char mode) {
  using settings::Emulation;
  if (command == '*' && mode == 1) return {Emulation::EscP, kDraftGrid};
  if (command == '*' && mode == 3) return {Emulation::EscP, kFineGrid};
  if (command == 'L') return {Emulation::Ibm, kDraftGrid};
  if (command == 'Z') return {Emulation::Ibm, kFineGrid};
  return {Emulation::EscP, {0, 0}};
}

}  // namespace

DecodedPage decodeBitImage(const platform::ByteString& bytes) {
  DecodedPage page;
  long feed = 0;  // 1/216 inch from the top of the page
  std::size_t at = 0;
  auto fault = [&](const std::string& what) {
    page.fault = what + " at byte " + std::to_string(at);
    return page;
  };
  auto next = [&]() -> unsigned char {
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at++]) : 0;
  };
  while (at < bytes.size()) {
    const unsigned char byte = next();
    if (byte == '\r') continue;
    if (byte == '\f') {
      if (at != bytes.size()) return fault("bytes after the form feed");
      return page;
    }
    if (byte != 0x1B || at == bytes.size()) return fault("not a command");
    const unsigned char command = next();
    if (command == 'J') {
      feed += next();
      continue;
    }
    const Graphics graphics =
        graphicsOf(command, command == '*' ? next() : static_cast<unsigned char>(0));
    if (graphics.grid.x == 0) return fault("an unknown command");
    if (page.grid.x == 0) {
      page.emulation = graphics.emulation;
      page.grid = graphics.grid;
    } else if (graphics.emulation != page.emulation || graphics.grid.x != page.grid.x) {
      return fault("another emulation or density");
    }
    const long low = next();
    const long columns = low + 256L * next();
    if (at + static_cast<std::size_t>(columns) > bytes.size()) return fault("a short pass");
    if (feed * page.grid.y % kFeedUnitsPerInch != 0) return fault("a pass between rows");
    unsigned previous = 0;
    for (long column = 0; column < columns; ++column) {
      const unsigned pins = next();
      if (page.grid.x == kFineGrid.x && (pins & previous) != 0) return fault("neighbouring dots");
      previous = pins;
      for (int pin = 0; pin < 8; ++pin) {
        if ((pins & (0x80u >> pin)) == 0) continue;
        page.dots.emplace((feed + kPinFeed * pin) * page.grid.y / kFeedUnitsPerInch, column);
      }
    }
  }
  return fault("no form feed at the end");
}

}  // namespace printerapp
