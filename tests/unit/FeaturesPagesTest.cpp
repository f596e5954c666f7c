// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "CommandStream.h"
#include "features/ContactData.h"
#include "features/FeaturesPages.h"

using platform::ByteString;
namespace contact = features::contact;

namespace {

// Bytes written as hex pairs separated by blanks, e.g. "1B 6B 00".
ByteString hex(const char* pairs) {
  std::istringstream in(pairs);
  ByteString bytes;
  unsigned value = 0;
  while (in >> std::hex >> value) bytes += static_cast<char>(value);
  return bytes;
}

const ByteString kTitleText = "Zel MRL 770 FEATURES\r\n\r\n";

const ByteString kFeaturesBeforeSample =
    "1.9 pin 80 column Dot Matrix Printer with speed 450 CPS at HSD 12 CPI.\r\n\r\n"
    "2.Comes with USB 2.0 & Centronics parallel interface with Autoshare.\r\n\r\n"
    "3.Built in 3 LQ fonts:\r\n\r\n";

ByteString featuresAfterSample() {
  return ByteString("4.Supports two paper paths.\r\n\r\n") +
         "5.Printer driver support for Windows 95, 98, Me, NT 4.0, 2000, XP, 2003, Xp x64,\r\n" +
         "  Vista, 7, 7 x64, 8, 8 x64 and selected Linux distributions.\r\n" + " (Available in " +
         contact::kWeb + ")\r\n\r\n" +
         "6.Windows printer configuration utility to configure the printer permanent\r\n" +
         "  settings.\r\n";
}

ByteString contactBlock() {
  return ByteString("For further details contact....\r\n") + contact::kCompanyName + "\r\n" +
         contact::kStreetAddressLine1 + "\r\n" + contact::kStreetAddressLine2 + "\r\n" +
         contact::kCityAndPostalCode + "\r\n" + "Phone:\t" + contact::kPhone + "\r\n" + "Fax:\t" +
         contact::kFax + "\r\n" + "E-Mail:\t" + contact::kEmail + "\r\n" + "Web:\t" +
         contact::kWeb + "\r\n";
}

// The nine contact values the body prints: the web address appears twice.
std::size_t contactLength() {
  std::size_t length = 0;
  for (const char* value :
       {contact::kCompanyName, contact::kStreetAddressLine1, contact::kStreetAddressLine2,
        contact::kCityAndPostalCode, contact::kPhone, contact::kFax, contact::kEmail, contact::kWeb,
        contact::kWeb}) {
    length += std::strlen(value);
  }
  return length;
}

ByteString expectedEscPTitle() {
  return hex("1B 40 1B 78 01 1B 45 1B 6B 00 1B 50 1B 77 01 1B 57 01 1B 61 01") + kTitleText;
}

ByteString expectedEscPBody() {
  return hex("1B 40 1B 78 01 1B 6B 00 1B 50") + kFeaturesBeforeSample + hex("1B 6B 00 09") +
         "Roman" + hex("09 09 1B 6B 01") + "Sans Serif" + hex("09 09 1B 6B 04") + "Script" +
         hex("1B 6B 00 0D 0A 0D 0A") + featuresAfterSample() + hex("1B 45 0D 0A") + contactBlock() +
         hex("1B 40");
}

ByteString expectedIbmTitle() {
  return hex("0D 0A 09 09 09 1B 47 1B 49 03 12 1B 57 01") + kTitleText;
}

ByteString expectedIbmBody() {
  return hex("1B 49 03 12 1B 57 00") + kFeaturesBeforeSample + hex("1B 49 03 09") + "Roman" +
         hex("09 1B 49 03") + "Sans Serif" + hex("09 1B 49 03") + "Script" +
         hex("1B 49 03 0D 0A 0D 0A") + featuresAfterSample() + hex("1B 47 0D 0A") + contactBlock();
}

// Both blocks of both pages, with what each must hold.
struct BlockCase {
  const char* name;
  ByteString actual;
  ByteString expected;
  std::size_t length;
  ByteString begins;
  ByteString ends;
  const command_stream::CommandTable& commands;
};

std::vector<BlockCase> blockCases() {
  const features::FeaturesPage escP = features::escPFeaturesPage();
  const features::FeaturesPage ibm = features::ibmFeaturesPage();
  const ByteString webLineEnd = ByteString(contact::kWeb) + "\r\n";
  return {
      {"ESC/P title", escP.title, expectedEscPTitle(), 45,
       hex("1B 40 1B 78 01 1B 45 1B 6B 00 1B 50"), hex("0D 0A 0D 0A"),
       command_stream::escPCommands()},
      {"ESC/P body", escP.body, expectedEscPBody(), 589 + contactLength(),
       hex("1B 40 1B 78 01 1B 6B 00 1B 50 31 2E 39"), hex("0D 0A 1B 40"),
       command_stream::escPCommands()},
      {"IBM title", ibm.title, expectedIbmTitle(), 38,
       hex("0D 0A 09 09 09 1B 47 1B 49 03 12 1B 57 01"), hex("0D 0A 0D 0A"),
       command_stream::ibmCommands()},
      {"IBM body", ibm.body, expectedIbmBody(), 582 + contactLength(),
       hex("1B 49 03 12 1B 57 00 31 2E 39"), "Web:\t" + webLineEnd, command_stream::ibmCommands()},
  };
}

bool beginsWith(const ByteString& bytes, const ByteString& prefix) {
  return bytes.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const ByteString& bytes, const ByteString& suffix) {
  return bytes.size() >= suffix.size() &&
         bytes.compare(bytes.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

TEST(FeaturesPages, EveryBlockHoldsExactlyItsBytes) {
  for (const BlockCase& block : blockCases()) {
    SCOPED_TRACE(block.name);
    EXPECT_EQ(block.expected, block.actual);
    EXPECT_EQ(block.length, block.actual.size());
    EXPECT_TRUE(beginsWith(block.actual, block.begins));
    EXPECT_TRUE(endsWith(block.actual, block.ends));
    EXPECT_EQ(ByteString::npos, block.actual.find('\x0C')) << "form feed";

    const command_stream::Result result = command_stream::check(block.actual, block.commands);
    EXPECT_EQ(command_stream::Fault::None, result.fault) << "at offset " << result.offset;
  }
}

TEST(FeaturesPages, IbmPageNeverInitialisesNorEndsDoubleStrikeNorJustifies) {
  const features::FeaturesPage ibm = features::ibmFeaturesPage();
  for (const ByteString& block : {ibm.title, ibm.body}) {
    for (const char* forbidden : {"1B 40", "1B 48", "1B 61"}) {
      SCOPED_TRACE(forbidden);
      EXPECT_EQ(ByteString::npos, block.find(hex(forbidden)));
    }
  }
}

TEST(FeaturesPages, FontSampleLineShowsEachTypefaceInItsEmulation) {
  const ByteString lineStart = "3.Built in 3 LQ fonts:\r\n\r\n";
  const ByteString lineEnd = "\r\n\r\n4.";
  const struct {
    const char* name;
    ByteString body;
    ByteString sampleLine;
  } cases[] = {
      {"ESC/P: a typeface each, two TABs between names", features::escPFeaturesPage().body,
       hex("1B 6B 00 09") + "Roman" + hex("09 09 1B 6B 01") + "Sans Serif" + hex("09 09 1B 6B 04") +
           "Script" + hex("1B 6B 00")},
      {"IBM: four identical commands, single TABs", features::ibmFeaturesPage().body,
       hex("1B 49 03 09") + "Roman" + hex("09 1B 49 03") + "Sans Serif" + hex("09 1B 49 03") +
           "Script" + hex("1B 49 03")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t start = c.body.find(lineStart);
    ASSERT_NE(ByteString::npos, start);
    const std::size_t from = start + lineStart.size();
    const std::size_t to = c.body.find(lineEnd, from);
    ASSERT_NE(ByteString::npos, to);
    EXPECT_EQ(c.sampleLine, c.body.substr(from, to - from));
  }
}
