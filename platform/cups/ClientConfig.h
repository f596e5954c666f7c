// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace platform::cups {

// Where the scheduler is, as a CUPS client finds it.
struct SchedulerAddress {
  // A host name or address, or the path of a local socket (it begins with '/').
  std::string host;
  int port;

  bool local() const { return !host.empty() && host.front() == '/'; }
  // The scheduler as one string, host:port, to tell schedulers apart.
  std::string name() const { return host + ":" + std::to_string(port); }
};

// The server set for the process (useSpoolerServer), else CUPS_SERVER, else ServerName of the
// user's client.conf or the system's, else the system's local socket when it is there, else
// localhost. A server given as host:port names its port; otherwise IPP_PORT or 631.
SchedulerAddress schedulerAddress();
// The name the scheduler knows the user by: CUPS_USER, User in client.conf, else the login's.
std::string userName();
// The login name of the user; nullopt when the system has none for the number.
std::optional<std::string> loginName(uid_t uid);

// The value of the first line of a CUPS configuration file (client.conf, lpoptions) that begins
// with the keyword, in any case; nullopt when the file cannot be read or has no such line.
std::optional<std::string> configValue(const std::string& path, const std::string& keyword);
// The folder of the system's CUPS configuration: CUPS_SERVERROOT, else /etc/cups.
std::string serverRoot();

}  // namespace platform::cups
