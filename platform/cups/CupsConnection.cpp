// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsConnection.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace platform::cups {

namespace {

constexpr int kConnectTimeoutMs = 5000;
constexpr double kCallTimeoutSeconds = 5.0;

std::string percentEncoded(const std::string& text) {
  std::string encoded;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += static_cast<char>(c);
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", c);
      encoded += escape;
    }
  }
  return encoded;
}

}  // namespace

std::unique_ptr<CupsConnection> CupsConnection::open(std::string* whyNot) {
  // cupsServer() also sets the port when the server is given as host:port, so it comes first.
  const char* server = cupsServer();
  const int port = ippPort();
  // Created unconnected, so that the reason a connect fails can be read before the handle goes.
  http_t* http = httpConnect2(server, port, nullptr, AF_UNSPEC, cupsEncryption(), 1, 0, nullptr);
  if (!http) {
    // The server's name could not be looked up; libcups keeps the resolver's words.
    if (whyNot) *whyNot = cupsLastErrorString();
    return nullptr;
  }
  if (httpReconnect2(http, kConnectTimeoutMs, nullptr) != 0) {
    // libcups has no words of its own for a failed connect; the system's are what lp shows.
    if (whyNot) *whyNot = std::strerror(httpError(http));
    httpClose(http);
    return nullptr;
  }
  return std::unique_ptr<CupsConnection>(new CupsConnection(http));
}

CupsConnection::CupsConnection(http_t* http) : http_(http) {
  httpSetTimeout(http_, kCallTimeoutSeconds, &CupsConnection::giveUp, this);
}

CupsConnection::~CupsConnection() {
  httpClose(http_);
}

std::string CupsConnection::lastError() const {
  return gaveUp_ ? "The scheduler did not answer in time." : cupsLastErrorString();
}

int CupsConnection::giveUp(http_t*, void* connection) {
  static_cast<CupsConnection*>(connection)->gaveUp_ = true;
  return 0;
}

std::string printerResource(const std::string& queue) {
  return "/printers/" + percentEncoded(queue);
}

std::string printerUri(const std::string& queue) {
  return "ipp://localhost" + printerResource(queue);
}

}  // namespace platform::cups
