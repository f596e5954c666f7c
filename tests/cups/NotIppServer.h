#pragma once

#include <atomic>
#include <string>
#include <thread>

// A web server on a unix socket that answers every request with 404 Not Found, as a server
// that is not a print scheduler would. Serves from a thread of its own until destroyed.
class NotIppServer {
 public:
  explicit NotIppServer(const std::string& socketPath);
  ~NotIppServer();
  NotIppServer(const NotIppServer&) = delete;
  NotIppServer& operator=(const NotIppServer&) = delete;

 private:
  void serve();

  int listening_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};
