// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>

namespace printerapp {

// What decides where a printer application keeps its files.
struct Environment {
  std::optional<std::string> snapCommon;     // SNAP_COMMON
  std::optional<std::string> xdgConfigHome;  // XDG_CONFIG_HOME
  std::optional<std::string> home;           // HOME
  std::string tempDir;                       // PAPPL's temporary folder
  unsigned uid;
};

// The files the application keeps between runs.
struct StatePaths {
  std::string stateFile;       // PAPPL's printers, their defaults and their jobs
  std::string spoolDirectory;  // the documents of the jobs
  std::string appliedFile;     // the settings last applied to each printer, beside stateFile
};

// The places PAPPL picks for an application that leaves the choice to it, so that the state of
// earlier runs is found again: a snap's common folder; /var/lib and /var/spool for root; the
// user's configuration folder; else the temporary folder, which a reboot may empty. Makes the
// user's ~/.config when it is missing.
StatePaths statePaths(const std::string& name, const Environment& environment);

// The environment of this process.
Environment processEnvironment(const std::string& tempDir);

}  // namespace printerapp
