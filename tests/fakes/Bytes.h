#pragma once

#include <cstdio>
#include <string>

// Bytes as upper-case hex pairs separated by spaces, as the printer's manual writes them.
inline std::string hex(const std::string& bytes) {
  std::string out;
  char pair[4];
  for (unsigned char b : bytes) {
    std::snprintf(pair, sizeof pair, out.empty() ? "%02X" : " %02X", b);
    out += pair;
  }
  return out;
}

// The settings command for the selections the window starts with.
inline const char* const kDefaultSettingsCommandHex =
    "1B 19 01 00 82 B5 00 00 00 02 0A 20 13 01 00";
