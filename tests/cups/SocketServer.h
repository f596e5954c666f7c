// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// A server on a unix socket for the fake servers of the tests. Its thread calls serveOne with
// the listening socket, again and again until the server is destroyed; each call accepts one
// connection and serves it, and returns at once when accepting fails, as it does while the
// server stops.
class SocketServer {
 public:
  SocketServer(const std::string& socketPath, std::function<void(int listening)> serveOne);
  ~SocketServer();
  SocketServer(const SocketServer&) = delete;
  SocketServer& operator=(const SocketServer&) = delete;

 private:
  int listening_;
  std::function<void(int)> serveOne_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};
