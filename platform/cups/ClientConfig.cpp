// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/ClientConfig.h"

#include <pwd.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <vector>

#include "platform/SystemSpooler.h"

namespace platform::cups {

namespace {

constexpr int kIppPort = 631;
// Where the system's scheduler listens on its local socket, on Debian as on most systems.
constexpr const char* kSystemSocket = "/run/cups/cups.sock";

std::mutex serverMutex;
std::optional<std::string> chosenServer;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The value from the user's client.conf, else from the system's.
std::optional<std::string> clientConf(const std::string& keyword) {
  const std::string home = environment("HOME");
  if (!home.empty()) {
    if (auto value = configValue(home + "/.cups/client.conf", keyword)) return value;
  }
  return configValue(serverRoot() + "/client.conf", keyword);
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::optional<std::string> loginName(uid_t uid) {
  // The reentrant form: jobs to several queues ask from threads of their own.
  passwd entry{};
  passwd* found = nullptr;
  std::vector<char> buffer(16384);
  if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
    return std::nullopt;
  return std::string(entry.pw_name);
}

std::optional<std::string> configValue(const std::string& path, const std::string& keyword) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    line = trimmed(line);
    if (line.empty() || line.front() == '#') continue;
    const auto end = line.find_first_of(" \t");
    if (end == std::string::npos || strcasecmp(line.substr(0, end).c_str(), keyword.c_str()) != 0)
      continue;
    return trimmed(line.substr(end));
  }
  return std::nullopt;
}

std::string serverRoot() {
  const std::string root = environment("CUPS_SERVERROOT");
  return root.empty() ? "/etc/cups" : root;
}

SchedulerAddress schedulerAddress() {
  std::string server;
  {
    const std::lock_guard<std::mutex> lock(serverMutex);
    server = chosenServer.value_or("");
  }
  if (server.empty()) server = environment("CUPS_SERVER");
  if (server.empty()) server = clientConf("ServerName").value_or("");
  if (server.empty()) server = access(kSystemSocket, R_OK) == 0 ? kSystemSocket : "localhost";

  int port = std::atoi(environment("IPP_PORT").c_str());
  if (port <= 0) port = kIppPort;
  // host:port, or [address]:port, but not the colons of a bare IPv6 address; a socket's path
  // has no port.
  const auto colon = server.rfind(':');
  const bool bracketed = server.front() == '[';
  const bool hasPort = server.front() != '/' && colon != std::string::npos &&
                       (bracketed ? colon > server.find(']') : server.find(':') == colon);
  if (hasPort) {
    if (const int given = std::atoi(server.c_str() + colon + 1); given > 0) port = given;
    server.erase(colon);
  }
  if (bracketed && server.back() == ']') server = server.substr(1, server.size() - 2);
  return {server, port};
}

std::string userName() {
  std::string user = environment("CUPS_USER");
  if (user.empty()) user = clientConf("User").value_or("");
  if (user.empty()) user = loginName(getuid()).value_or("");
  return user.empty() ? "unknown" : user;
}

}  // namespace platform::cups

bool platform::useSpoolerServer(const std::string& server) {
  const std::lock_guard<std::mutex> lock(platform::cups::serverMutex);
  platform::cups::chosenServer = server.empty() ? std::nullopt : std::optional<std::string>(server);
  return true;
}
