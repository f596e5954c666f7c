// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "settings/Catalogue.h"

namespace printerapp {

// The settings last applied to each printer from this application, by PAPPL's printer ID. They
// are kept in a file of their own beside PAPPL's state file, rewritten whole on every change, so
// that they outlive a restart. PAPPL never gives a deleted printer's ID to another, and tells a
// driver of a deletion no differently from a shutdown, so a deleted printer's line stays. Safe
// to use from PAPPL's threads at once.
class AppliedSettings {
 public:
  // Reads what FILE holds; a missing file holds nothing, and a line that cannot be read is
  // left out.
  explicit AppliedSettings(std::string file);

  std::optional<settings::Selections> applied(int printerId) const;
  // The emulation box's selection as last applied; the catalogue's default (ESC/P) until then.
  settings::Selection appliedEmulation(int printerId) const;

  // False when the file could not be written; the settings are kept for this run all the same.
  bool record(int printerId, const settings::Selections& selections);

 private:
  bool save() const;

  const std::string file_;
  mutable std::mutex mutex_;
  std::map<int, settings::Selections> applied_;
};

}  // namespace printerapp
