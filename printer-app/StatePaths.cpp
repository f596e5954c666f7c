// SPDX-License-Identifier: Apache-2.0
#include "printer-app/StatePaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace printerapp {

namespace {

bool usable(const std::string& directory) {
  return access(directory.c_str(), X_OK) == 0;
}

// The folder exists or has just been made.
bool ensureDirectory(const std::string& directory) {
  return mkdir(directory.c_str(), 0777) == 0 || errno == EEXIST;
}

std::optional<std::string> variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

// The folder and the base of the file names in it, before ".state".
std::string stateBase(const std::string& name, const Environment& environment) {
  if (environment.snapCommon) {
    if (usable(*environment.snapCommon)) return *environment.snapCommon + "/" + name;
  } else if (environment.uid == 0) {
    if (ensureDirectory("/var/lib")) return "/var/lib/" + name;
  } else if (environment.xdgConfigHome) {
    if (usable(*environment.xdgConfigHome)) return *environment.xdgConfigHome + "/" + name;
  } else if (environment.home) {
    if (ensureDirectory(*environment.home + "/.config")) {
      return *environment.home + "/.config/" + name;
    }
  }
  return environment.tempDir + "/" + name + std::to_string(environment.uid);
}

std::string spoolDirectory(const std::string& name, const Environment& environment) {
  if (environment.snapCommon) return *environment.snapCommon + "/" + name + ".d";
  if (environment.uid == 0 && ensureDirectory("/var/spool")) return "/var/spool/" + name;
  if (environment.home && ensureDirectory(*environment.home + "/.config")) {
    return *environment.home + "/.config/" + name + ".d";
  }
  return environment.tempDir + "/" + name + std::to_string(environment.uid) + ".d";
}

}  // namespace

StatePaths statePaths(const std::string& name, const Environment& environment) {
  const std::string base = stateBase(name, environment);
  return {base + ".state", spoolDirectory(name, environment), base + ".applied"};
}

Environment processEnvironment(const std::string& tempDir) {
  return {variable("SNAP_COMMON"), variable("XDG_CONFIG_HOME"), variable("HOME"), tempDir,
          static_cast<unsigned>(getuid())};
}

}  // namespace printerapp
