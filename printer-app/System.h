// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

namespace printerapp {

// papplMainloop's system callback: the system PAPPL's own would make from the same options
// (log-file, log-level, server-port, server-hostname, listen-hostname, private-server,
// spool-directory, admin-group, auth-service, server-options), with its state loaded from, and
// saved to, where PAPPL keeps it. DATA is the Application.
pappl_system_t* createSystem(int optionCount, cups_option_t* options, void* data);

}  // namespace printerapp
