// SPDX-License-Identifier: Apache-2.0
#include "platform/MessageBoxes.h"

namespace platform {

std::string joinLines(std::initializer_list<const char*> lines) {
  std::string text;
  bool first = true;
  for (const char* line : lines) {
    if (!first) text += "\r\n";
    text += line;
    first = false;
  }
  return text;
}

}  // namespace platform
