// SPDX-License-Identifier: Apache-2.0
#include "features/FeaturesPages.h"

#include "features/PageContent.h"

namespace features {

namespace {

using platform::ByteString;

const char kEsc = '\x1B';

ByteString esc(char command) {
  return {kEsc, command};
}
ByteString esc(char command, char parameter) {
  return {kEsc, command, parameter};
}

namespace escp {

const ByteString kInitialise = esc('@');
const ByteString kLetterQuality = esc('x', 1);
const ByteString kBoldOn = esc('E');
const ByteString kTenCpi = esc('P');
const ByteString kDoubleHeightOn = esc('w', 1);
const ByteString kDoubleWidthOn = esc('W', 1);
const ByteString kCentre = esc('a', 1);

ByteString typeface(char number) {
  return esc('k', number);
}
const char kRoman = 0;
const char kSansSerif = 1;
const char kScript = 4;

}  // namespace escp

namespace ibm {

const ByteString kDoubleStrikeOn = esc('G');
const ByteString kPrintQuality = esc('I', 3);
const ByteString kTenCpi = "\x12";
const ByteString kDoubleWidthOn = esc('W', 1);
const ByteString kDoubleWidthOff = esc('W', 0);

// The page has no justification: the title is indented with TABs below an empty line.
const ByteString kTitleIndent = "\r\n\t\t\t";

}  // namespace ibm

}  // namespace

FeaturesPage escPFeaturesPage() {
  using namespace escp;
  return composePage({
      kInitialise + kLetterQuality + kBoldOn + typeface(kRoman) + kTenCpi + kDoubleHeightOn +
          kDoubleWidthOn + kCentre,
      // Initialising ends the title's bold, double size and centring.
      kInitialise + kLetterQuality + typeface(kRoman) + kTenCpi,
      {typeface(kRoman), typeface(kSansSerif), typeface(kScript)},
      typeface(kRoman),
      "\t\t",
      kBoldOn,
      kInitialise,
  });
}

FeaturesPage ibmFeaturesPage() {
  using namespace ibm;
  // Double-strike stays on to the end of the page: the IBM page never switches it off and
  // never initialises the printer.
  return composePage({
      kTitleIndent + kDoubleStrikeOn + kPrintQuality + kTenCpi + kDoubleWidthOn,
      kPrintQuality + kTenCpi + kDoubleWidthOff,
      {kPrintQuality, kPrintQuality, kPrintQuality},
      kPrintQuality,
      "\t",
      kDoubleStrikeOn,
      "",
  });
}

}  // namespace features
