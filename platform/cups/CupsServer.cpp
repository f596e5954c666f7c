// SPDX-License-Identifier: Apache-2.0
#include <cups/cups.h>

#include "platform/SystemSpooler.h"

bool platform::useSpoolerServer(const std::string& server) {
  cupsSetServer(server.c_str());
  return true;
}
