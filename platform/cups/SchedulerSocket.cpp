// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/SchedulerSocket.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform::cups {

namespace {

int millisecondsUntil(SchedulerSocket::Deadline deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

// A socket that does not block, connecting to the address; -1 with errno when it cannot start.
int startConnect(int family, const sockaddr* address, socklen_t size) {
  const int fd = socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, address, size) == 0 || errno == EINPROGRESS) return fd;
  const int error = errno;
  close(fd);
  errno = error;
  return -1;
}

}  // namespace

std::unique_ptr<SchedulerSocket> SchedulerSocket::connect(const SchedulerAddress& address,
                                                          Deadline deadline, std::string& whyNot) {
  const auto finish = [&](int fd) -> std::unique_ptr<SchedulerSocket> {
    if (fd < 0) return nullptr;
    std::unique_ptr<SchedulerSocket> socket(new SchedulerSocket(fd));
    // A connect still under way ends when the socket can be written to.
    const Io ready = socket->await(POLLOUT, deadline);
    int error = 0;
    socklen_t size = sizeof error;
    if (ready == Io::TimedOut) {
      whyNot = std::strerror(ETIMEDOUT);
    } else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
      whyNot = std::strerror(error != 0 ? error : errno);
    } else {
      return socket;
    }
    return nullptr;
  };

  errno = 0;
  if (address.local()) {
    sockaddr_un local{};
    local.sun_family = AF_UNIX;
    if (address.host.size() >= sizeof local.sun_path) {
      whyNot = std::strerror(ENAMETOOLONG);
      return nullptr;
    }
    std::strcpy(local.sun_path, address.host.c_str());
    auto socket = finish(startConnect(AF_UNIX, reinterpret_cast<sockaddr*>(&local), sizeof local));
    if (!socket && whyNot.empty()) whyNot = std::strerror(errno);
    return socket;
  }

  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int lookup =
      getaddrinfo(address.host.c_str(), std::to_string(address.port).c_str(), &hints, &found);
  if (lookup != 0) {
    whyNot = gai_strerror(lookup);
    return nullptr;
  }
  std::unique_ptr<SchedulerSocket> socket;
  for (const addrinfo* a = found; a && !socket; a = a->ai_next) {
    whyNot.clear();
    socket = finish(startConnect(a->ai_family, a->ai_addr, a->ai_addrlen));
    if (!socket && whyNot.empty()) whyNot = std::strerror(errno);
  }
  freeaddrinfo(found);
  return socket;
}

SchedulerSocket::~SchedulerSocket() {
  close(fd_);
}

SchedulerSocket::Io SchedulerSocket::await(short events, Deadline deadline) {
  for (;;) {
    pollfd ready{fd_, events, 0};
    const int count = poll(&ready, 1, millisecondsUntil(deadline));
    if (count > 0) return Io::Done;
    if (count == 0) return Io::TimedOut;
    if (errno != EINTR) {
      error_ = errno;
      return Io::Failed;
    }
  }
}

SchedulerSocket::Io SchedulerSocket::send(const std::string& bytes, Deadline deadline) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t count = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (count > 0) {
      sent += static_cast<std::size_t>(count);
      continue;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) {
      error_ = errno;
      return errno == EPIPE || errno == ECONNRESET ? Io::Closed : Io::Failed;
    }
    if (const Io ready = await(POLLOUT, deadline); ready != Io::Done) return ready;
  }
  return Io::Done;
}

SchedulerSocket::Io SchedulerSocket::receive(std::string& into, Deadline deadline) {
  for (;;) {
    char buffer[16384];
    const ssize_t count = ::recv(fd_, buffer, sizeof buffer, 0);
    if (count > 0) {
      into.append(buffer, static_cast<std::size_t>(count));
      return Io::Done;
    }
    if (count == 0) return Io::Closed;
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) {
      error_ = errno;
      return errno == ECONNRESET ? Io::Closed : Io::Failed;
    }
    if (const Io ready = await(POLLIN, deadline); ready != Io::Done) return ready;
  }
}

}  // namespace platform::cups
