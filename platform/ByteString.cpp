// SPDX-License-Identifier: Apache-2.0
#include "platform/ByteString.h"

namespace platform {

std::string hexBytes(const ByteString& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[b >> 4];
    out += kDigits[b & 0x0F];
  }
  return out;
}

}  // namespace platform
