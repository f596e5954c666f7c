// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <string>

#include "platform/Spooler.h"

namespace platform {

// The system's spooler built as a module of its own, beside the program, which the program
// loads when it first prints: the spooler's libraries then cost nothing at start-up.

// What the module exports under kSpoolerModuleEntry: a new spooler, owned by the caller.
using SpoolerModuleEntry = Spooler* (*)();
inline constexpr char kSpoolerModuleEntry[] = "mrl770_make_spooler";
// What it exports under kSpoolerModuleBuild: the identity of the build that made it. Only a
// module of the program's own build is used.
using SpoolerModuleBuild = const char* (*)();
inline constexpr char kSpoolerModuleBuild[] = "mrl770_spooler_build";

// The module's path in the program's folder.
std::string spoolerModulePath(const std::string& programFolder);

// A spooler that loads the module at modulePath on its first call and hands every call on to
// the spooler the module makes. The module is loaded only from an absolute path, only when it is
// a regular file and only when it is of the program's build. While it is not, or cannot be
// loaded, or lacks its entry, the spooler could not be asked: defaultPrinter() is Unreachable
// and open() null, and one line on standard error says why, once for each reason. Each call tries
// the module again until it loads.
std::unique_ptr<Spooler> makeModuleSpooler(std::string modulePath);

// Points the module's spooler at another server for the rest of the process and in every thread:
// HOST, HOST:PORT or the path of a local socket. Takes effect only while the module is not yet
// loaded; false when the environment cannot hold it.
bool useModuleSpoolerServer(const std::string& server);

}  // namespace platform
