// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cups/cups.h>

#include <memory>
#include <string>

namespace platform::cups {

// A connection of our own to the scheduler named by the environment (CUPS_SERVER, client.conf),
// on which every call gives up after a few seconds. libcups on its own waits a minute or more
// for a scheduler that accepts connections and never answers, and the window is blocked
// meanwhile.
class CupsConnection {
 public:
  // Null when the scheduler cannot be reached; whyNot, if given, then holds the system's reason.
  static std::unique_ptr<CupsConnection> open(std::string* whyNot = nullptr);
  ~CupsConnection();
  CupsConnection(const CupsConnection&) = delete;
  CupsConnection& operator=(const CupsConnection&) = delete;

  http_t* http() const { return http_; }
  // True once a call has given up waiting; the scheduler is then taken as gone and later calls
  // are not tried, so a frozen scheduler costs one timeout, not one for each call.
  bool gaveUp() const { return gaveUp_; }
  // Why the last call on the connection failed: libcups's words, or ours when it gave up
  // waiting.
  std::string lastError() const;

 private:
  explicit CupsConnection(http_t* http);
  static int giveUp(http_t* http, void* connection);

  http_t* http_;
  bool gaveUp_ = false;
};

// The queue's printer URI on the scheduler and the resource its requests go to, with the name
// percent-encoded: queue names may hold characters that a URI may not.
std::string printerUri(const std::string& queue);
std::string printerResource(const std::string& queue);

}  // namespace platform::cups
