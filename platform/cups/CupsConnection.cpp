#include "platform/cups/CupsConnection.h"

namespace platform::cups {

namespace {

constexpr int kConnectTimeoutMs = 5000;
constexpr double kCallTimeoutSeconds = 5.0;

}  // namespace

std::unique_ptr<CupsConnection> CupsConnection::open() {
  // cupsServer() also sets the port when the server is given as host:port, so it comes first.
  const char* server = cupsServer();
  const int port = ippPort();
  http_t* http = httpConnect2(server, port, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kConnectTimeoutMs, nullptr);
  if (!http) return nullptr;
  return std::unique_ptr<CupsConnection>(new CupsConnection(http));
}

CupsConnection::CupsConnection(http_t* http) : http_(http) {
  httpSetTimeout(http_, kCallTimeoutSeconds, &CupsConnection::giveUp, this);
}

CupsConnection::~CupsConnection() {
  httpClose(http_);
}

int CupsConnection::giveUp(http_t*, void* connection) {
  static_cast<CupsConnection*>(connection)->gaveUp_ = true;
  return 0;
}

}  // namespace platform::cups
