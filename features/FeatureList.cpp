// SPDX-License-Identifier: Apache-2.0
#include "features/FeatureList.h"

#include "features/ContactData.h"

namespace features {

const std::string& featureList() {
  static const std::string text =
      std::string("1.  9 pin 80 column Dot Matrix Printer with speed 450 CPS at HSD 12 CPI.\r\n") +
      "\r\n"
      "2.  Comes with USB 2.0  & Centronics parallel interface with Autoshare.\r\n"
      "\r\n"
      "3.  Built in 3 LQ fonts:\r\n"
      "\r\n"
      "          Roman     Sans Serif     Script\r\n"
      "\r\n"
      "4.  Supports two paper paths.\r\n"
      "\r\n"
      "5.  Printer driver support for Windows 95, 98, Me, NT 4.0, 2000, XP, 2003, Xp x64,\r\n"
      "     Vista, 7, 7 x64, 8, 8 x64 and selected Linux distributions.\r\n"
      "     (Available in " +
      contact::kWeb +
      ").\r\n"
      "\r\n"
      "6.  Windows printer configuration utility to configure the printer permanent settings.\r\n";
  return text;
}

}  // namespace features
