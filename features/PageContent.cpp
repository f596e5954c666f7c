// SPDX-License-Identifier: Apache-2.0
#include "features/PageContent.h"

#include <cstddef>

#include "features/ContactData.h"

namespace features {

namespace {

using platform::ByteString;

const char* const kLineEnd = "\r\n";
const char* const kParagraphEnd = "\r\n\r\n";
const char* const kTab = "\t";

const char* const kTitle = "Zel MRL 770 FEATURES";

const char* const kTypefaceNames[] = {"Roman", "Sans Serif", "Script"};

struct Line {
  ByteString text;
  const char* end;
};

// The feature lines before and after the font sample line.
std::array<Line, 3> featuresBeforeSample() {
  return {{
      {"1.9 pin 80 column Dot Matrix Printer with speed 450 CPS at HSD 12 CPI.", kParagraphEnd},
      {"2.Comes with USB 2.0 & Centronics parallel interface with Autoshare.", kParagraphEnd},
      {"3.Built in 3 LQ fonts:", kParagraphEnd},
  }};
}

std::array<Line, 6> featuresAfterSample() {
  return {{
      {"4.Supports two paper paths.", kParagraphEnd},
      {"5.Printer driver support for Windows 95, 98, Me, NT 4.0, 2000, XP, 2003, Xp x64,",
       kLineEnd},
      {"  Vista, 7, 7 x64, 8, 8 x64 and selected Linux distributions.", kLineEnd},
      {ByteString(" (Available in ") + contact::kWeb + ")", kParagraphEnd},
      {"6.Windows printer configuration utility to configure the printer permanent", kLineEnd},
      {"  settings.", kLineEnd},
  }};
}

std::array<Line, 9> contactBlock() {
  using namespace contact;
  return {{
      {"For further details contact....", kLineEnd},
      {kCompanyName, kLineEnd},
      {kStreetAddressLine1, kLineEnd},
      {kStreetAddressLine2, kLineEnd},
      {kCityAndPostalCode, kLineEnd},
      {ByteString("Phone:") + kTab + kPhone, kLineEnd},
      {ByteString("Fax:") + kTab + kFax, kLineEnd},
      {ByteString("E-Mail:") + kTab + kEmail, kLineEnd},
      {ByteString("Web:") + kTab + kWeb, kLineEnd},
  }};
}

template <std::size_t N>
void append(ByteString& block, const std::array<Line, N>& lines) {
  for (const Line& line : lines) block += line.text + line.end;
}

ByteString fontSampleLine(const EmulationCommands& commands) {
  // The first typeface is selected before the leading TAB, the others right before their names.
  ByteString line = commands.typefaces[0] + kTab + kTypefaceNames[0];
  for (std::size_t i = 1; i < commands.typefaces.size(); ++i) {
    line += commands.betweenSamples + commands.typefaces[i] + kTypefaceNames[i];
  }
  return line + commands.afterSample + kParagraphEnd;
}

}  // namespace

FeaturesPage composePage(const EmulationCommands& commands) {
  FeaturesPage page;
  page.title = commands.beforeTitle + kTitle + kParagraphEnd;

  page.body = commands.bodyStart;
  append(page.body, featuresBeforeSample());
  page.body += fontSampleLine(commands);
  append(page.body, featuresAfterSample());
  page.body += commands.emphasis + kLineEnd;
  append(page.body, contactBlock());
  page.body += commands.bodyEnd;
  return page;
}

}  // namespace features
