// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "platform/ByteString.h"

// Bytes as the printer's manual writes them: upper-case hex pairs separated by blanks.
inline std::string hex(const std::string& bytes) {
  return platform::hexBytes(bytes);
}

// The settings command for the selections the window starts with.
inline const char* const kDefaultSettingsCommandHex =
    "1B 19 01 00 82 B5 00 00 00 02 0A 20 13 01 00";
