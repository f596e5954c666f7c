#include "platform/cups/CupsServer.h"

#include <cups/cups.h>

namespace platform::cups {

void useServer(const std::string& server) {
  cupsSetServer(server.c_str());
}

}  // namespace platform::cups
