// SPDX-License-Identifier: Apache-2.0
#include "printer-app/System.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "printer-app/Application.h"
#include "printer-app/Driver.h"
#include "printer-app/SettingsPage.h"
#include "printer-app/StatePaths.h"
#include "printer-app/TextJob.h"

namespace printerapp {

namespace {

const char* option(const char* name, int optionCount, cups_option_t* options) {
  return cupsGetOption(name, optionCount, options);
}

pappl_loglevel_t logLevel(const char* value) {
  static const struct {
    const char* name;
    pappl_loglevel_t level;
  } kLevels[] = {
      {"fatal", PAPPL_LOGLEVEL_FATAL}, {"error", PAPPL_LOGLEVEL_ERROR},
      {"warn", PAPPL_LOGLEVEL_WARN},   {"info", PAPPL_LOGLEVEL_INFO},
      {"debug", PAPPL_LOGLEVEL_DEBUG},
  };
  if (value != nullptr) {
    for (const auto& level : kLevels) {
      if (std::strcmp(value, level.name) == 0) return level.level;
    }
  }
  return PAPPL_LOGLEVEL_WARN;
}

// The comma-separated server-options on top of PAPPL's defaults: the web interface (over TLS
// where it can) and several printers.
pappl_soptions_t serverOptions(const char* value) {
  static const struct {
    const char* name;
    pappl_soptions_t set;
    pappl_soptions_t clear;
  } kOptions[] = {
      {"none", PAPPL_SOPTIONS_NONE, ~pappl_soptions_t{0}},
      {"dnssd-host", PAPPL_SOPTIONS_DNSSD_HOST, 0},
      {"no-multi-queue", 0, PAPPL_SOPTIONS_MULTI_QUEUE},
      {"raw-socket", PAPPL_SOPTIONS_RAW_SOCKET, 0},
      {"usb-printer", PAPPL_SOPTIONS_USB_PRINTER, 0},
      {"no-web-interface", 0, PAPPL_SOPTIONS_WEB_INTERFACE},
      {"web-log", PAPPL_SOPTIONS_WEB_LOG, 0},
      {"web-network", PAPPL_SOPTIONS_WEB_NETWORK, 0},
      {"web-remote", PAPPL_SOPTIONS_WEB_REMOTE, 0},
      {"web-security", PAPPL_SOPTIONS_WEB_SECURITY, 0},
      {"no-tls", PAPPL_SOPTIONS_NO_TLS, PAPPL_SOPTIONS_WEB_TLS},
  };
  pappl_soptions_t options =
      PAPPL_SOPTIONS_MULTI_QUEUE | PAPPL_SOPTIONS_WEB_INTERFACE | PAPPL_SOPTIONS_WEB_TLS;
  std::string rest = value != nullptr ? value : "";
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string name = rest.substr(0, comma);
    rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
    for (const auto& known : kOptions) {
      if (name == known.name) options = (options & ~known.clear) | known.set;
    }
  }
  return options;
}

// Whatever PAPPL cannot tell by its first bytes is taken for the printer's own language, so that
// a raw job sent as application/octet-stream reaches the printer unchanged.
const char* unknownIsNative(const unsigned char*, std::size_t, void*) {
  return kNativeFormat;
}

bool saveState(pappl_system_t* system, void* stateFile) {
  return papplSystemSaveState(system, static_cast<const std::string*>(stateFile)->c_str());
}

}  // namespace

pappl_system_t* createSystem(int optionCount, cups_option_t* options, void* data) {
  Application& application = *static_cast<Application*>(data);
  static const StatePaths paths =
      statePaths(kApplicationName, processEnvironment(papplGetTempDir()));

  int port = 0;
  if (const char* value = option("server-port", optionCount, options)) {
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    if (*value == '\0' || *end != '\0' || number < 0 || number > 65535) {
      std::fprintf(stderr, "%s: Bad 'server-port' value.\n", kApplicationName);
      return nullptr;
    }
    port = static_cast<int>(number);
  }
  const char* spool = option("spool-directory", optionCount, options);
  pappl_system_t* system = papplSystemCreate(
      serverOptions(option("server-options", optionCount, options)), kApplicationName, port,
      "_print,_universal", spool != nullptr ? spool : paths.spoolDirectory.c_str(),
      option("log-file", optionCount, options), logLevel(option("log-level", optionCount, options)),
      option("auth-service", optionCount, options), false);
  if (system == nullptr) return nullptr;

  if (const char* group = option("admin-group", optionCount, options)) {
    papplSystemSetAdminGroup(system, group);
  }
  if (const char* hostname = option("server-hostname", optionCount, options)) {
    papplSystemSetHostName(system, hostname);
  }
  // A server that papplMainloop starts for one command listens only on its local socket.
  if (option("private-server", optionCount, options) == nullptr) {
    papplSystemAddListeners(system, option("listen-hostname", optionCount, options));
  }
  papplSystemSetMIMECallback(system, unknownIsNative, nullptr);
  papplSystemAddMIMEFilter(system, "text/plain", kNativeFormat, printTextJob, nullptr);

  // The printers of the state file need their driver to be made again.
  papplSystemSetPrinterDrivers(system, kDriverCount, drivers(), autoAddDriver, addSettingsPage,
                               fillDriverData, &application);
  if (!application.applied) application.applied.emplace(paths.appliedFile);
  papplSystemLoadState(system, paths.stateFile.c_str());
  papplSystemSetSaveCallback(system, saveState,
                             const_cast<void*>(static_cast<const void*>(&paths.stateFile)));
  return system;
}

}  // namespace printerapp
