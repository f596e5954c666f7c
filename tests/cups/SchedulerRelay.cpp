// SPDX-License-Identifier: Apache-2.0
#include "SchedulerRelay.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace {

constexpr std::chrono::seconds kTrickleGap{3};

int connectTo(const std::string& socketPath) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool sendAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t sent = send(fd, bytes, size, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

}  // namespace

SchedulerRelay::SchedulerRelay(const std::string& socketPath, const std::string& schedulerSocket)
    : scheduler_(schedulerSocket),
      server_(socketPath, [this](int listening) { serveOne(listening); }) {}

void SchedulerRelay::serveOne(int listening) {
  const int client = accept(listening, nullptr, nullptr);
  if (client < 0) return;
  const int scheduler = connectTo(scheduler_);
  if (scheduler >= 0) {
    bool lost = false;
    relay(client, scheduler, lost);
    if (lost) answers_ = Answers::Passed;
    close(scheduler);
  }
  close(client);
}

// Until either side closes: the client's bytes go on at once, the scheduler's as answers_ says.
void SchedulerRelay::relay(int client, int scheduler, bool& lost) {
  std::string held;
  bool continued = false;
  auto nextTrickle = std::chrono::steady_clock::now();
  while (!stopping_) {
    pollfd sides[] = {{client, POLLIN, 0}, {scheduler, POLLIN, 0}};
    if (poll(sides, 2, 100) < 0) return;
    char buffer[4096];
    if (sides[0].revents) {
      const ssize_t got = read(client, buffer, sizeof buffer);
      if (got <= 0 || !sendAll(scheduler, buffer, static_cast<std::size_t>(got))) return;
    }
    if (sides[1].revents) {
      const ssize_t got = read(scheduler, buffer, sizeof buffer);
      if (got <= 0) return;
      held.append(buffer, static_cast<std::size_t>(got));
    }
    // What comes after the lost answer's 100 Continue belongs to the answer.
    if (lost) {
      held.clear();
      continue;
    }
    switch (answers_.load()) {
      case Answers::Passed:
        if (!sendAll(client, held.data(), held.size())) return;
        held.clear();
        break;
      case Answers::Trickled:
        if (!held.empty() && std::chrono::steady_clock::now() >= nextTrickle) {
          if (!sendAll(client, held.data(), 1)) return;
          held.erase(0, 1);
          nextTrickle = std::chrono::steady_clock::now() + kTrickleGap;
        }
        break;
      case Answers::NextLost:
      case Answers::NextHalved:
        if (!continued) {
          const std::size_t end = held.find("\r\n\r\n");
          if (end == std::string::npos) break;
          continued = true;
          if (!sendAll(client, held.data(), end + 4)) return;
          held.erase(0, end + 4);
        }
        if (held.empty()) break;
        lost = true;
        if (answers_ == Answers::NextHalved) {
          sendAll(client, held.data(), held.size() / 2);
          return;
        }
        held.clear();
        break;
    }
  }
}
