// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <set>
#include <string>
#include <utility>

#include "platform/ByteString.h"
#include "printer-app/BitImage.h"
#include "settings/SettingsView.h"

namespace printerapp {

// One page of bit-image graphics read back as the printer lays it down.
struct DecodedPage {
  // Taken from the page's first graphics command; {0, 0} when it has none.
  settings::Emulation emulation = settings::Emulation::EscP;
  Resolution grid{0, 0};
  std::set<std::pair<long, long>> dots;  // (row, column) on the grid
  // What the printer would not print as the page means it, empty when nothing.
  std::string fault;
};

// Accepts line feeds by ESC J, carriage returns, graphics in one emulation and one density, and a
// form feed as the last byte; a dot beside another in one pass at 240 dpi is a fault, since the
// pin cannot fire that fast.
DecodedPage decodeBitImage(const platform::ByteString& bytes);

}  // namespace printerapp
